#include "ui/map/viridis_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brenvik {

namespace {

// Viridis at 0, 0.1, …, 1 (the colours its authors publish for eleven even steps).
// Between them the scale is so nearly straight in RGB that linear steps keep its
// lightness even (the widget tests measure it).
constexpr std::array<std::array<int, 3>, 11> kAnchors{{
    {0x44, 0x01, 0x54},
    {0x48, 0x25, 0x76},
    {0x41, 0x44, 0x87},
    {0x35, 0x60, 0x8d},
    {0x2a, 0x78, 0x8e},
    {0x21, 0x90, 0x8c},
    {0x22, 0xa8, 0x84},
    {0x43, 0xbf, 0x71},
    {0x7a, 0xd1, 0x51},
    {0xbb, 0xdf, 0x27},
    {0xfd, 0xe7, 0x25},
}};

}  // namespace

Rgb viridisRgb(double p)
{
    const double x = std::isnan(p) ? 0.0 : std::clamp(p, 0.0, 1.0) * 10.0;
    const auto low = static_cast<std::size_t>(std::min(std::floor(x), 9.0));
    const double f = x - static_cast<double>(low);
    std::array<std::uint8_t, 3> rgb{};
    for (std::size_t c = 0; c < 3; ++c) {
        const double a = kAnchors[low][c];
        const double b = kAnchors[low + 1][c];
        rgb[c] = static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
    }
    return {rgb[0], rgb[1], rgb[2]};
}

}  // namespace brenvik
