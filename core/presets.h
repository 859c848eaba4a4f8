#pragma once

#include "core/color.h"

#include <array>

namespace core {

struct Preset {
    const char* caption;
    Rgb color;
};

// The eleven named colours of both windows' Presets menus, in menu order; a separator
// follows the first two. Every one lies on the Safe Palette.
inline constexpr std::array<Preset, 11> kPresets {{
    {"Black", {0, 0, 0}},
    {"White", {255, 255, 255}},
    {"Blue", {0, 0, 255}},
    {"Brown", {153, 102, 51}},
    {"Gold", {255, 204, 0}},
    {"Gray", {102, 102, 102}},
    {"Green", {0, 255, 0}},
    {"Orange", {255, 153, 0}},
    {"Red", {255, 0, 0}},
    {"Violet", {102, 0, 204}},
    {"Yellow", {255, 255, 0}},
}};

} // namespace core
