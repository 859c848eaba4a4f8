#include "core/vision.h"

#include "core/oklab.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

// Machado, Oliveira and Fernandes (2009), severity 1.0, for linear sRGB.
const VisionMatrix kMatrices[kVisionCount] = {
    {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
        {-0.003882, -0.048116, 1.051998}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
        {-0.011820, 0.042940, 0.968881}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
        {0.004733, 0.691367, 0.303900}}},
    // Only the relative luminance (the WCAG weights) is left.
    {{{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}},
};

int encode(double linear)
{
    return int(std::lround(std::clamp(linear_to_srgb(std::clamp(linear, 0.0, 1.0)), 0.0, 255.0)));
}

} // namespace

const VisionMatrix& vision_matrix(Vision v)
{
    return kMatrices[int(v)];
}

Rgb simulate_vision(const Rgb& c, Vision v)
{
    if (v == Vision::Normal)
        return c;
    const double in[3] = {srgb_to_linear(c.red), srgb_to_linear(c.green), srgb_to_linear(c.blue)};
    const VisionMatrix& m = vision_matrix(v);
    double out[3];
    for (int row = 0; row < 3; ++row)
        out[row] = m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2];
    return {encode(out[0]), encode(out[1]), encode(out[2])};
}

const char* vision_name(Vision v)
{
    switch (v) {
    case Vision::Normal:
        break;
    case Vision::Protanopia:
        return "Protanopia";
    case Vision::Deuteranopia:
        return "Deuteranopia";
    case Vision::Tritanopia:
        return "Tritanopia";
    case Vision::Achromatopsia:
        return "Achromatopsia";
    }
    return "Normal vision";
}

} // namespace core
