#pragma once

#include "core/color.h"

#include <array>

namespace core {

// How the station may draw its sample: as most people see it, or as people with one of
// the common colour-vision deficiencies do.
enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

constexpr int kVisionCount = 5;

// A 3 x 3 matrix applied to linear RGB, rows giving red, green and blue.
using VisionMatrix = std::array<std::array<double, 3>, 3>;

// Protanopia, deuteranopia and tritanopia at full severity after Machado, Oliveira and
// Fernandes (2009); achromatopsia keeps only the relative luminance; Normal is the
// identity.
const VisionMatrix& vision_matrix(Vision v);

// The colour as drawn under a view: the matrix applied in linear RGB, clamped to sRGB.
Rgb simulate_vision(const Rgb& c, Vision v);

// "Protanopia", ... ; "Normal vision".
const char* vision_name(Vision v);

} // namespace core
