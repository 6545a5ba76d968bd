#pragma once
// The map's colour scale without Qt, so that the browser edition draws the same colours:
// viridis, dark violet through blue and green to yellow. Its lightness rises evenly from
// 0 to 1, so equal steps of probability look like equal steps, in grey print too, and it
// stays readable with the common colour-vision deficiencies.

#include <cstdint>

namespace brenvik {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

/// The colour of probability p (clamped to 0 … 1; NaN gives the colour of 0): linear
/// in RGB between viridis's published colours at 0, 0.1, …, 1.
Rgb viridisRgb(double p);

}  // namespace brenvik
