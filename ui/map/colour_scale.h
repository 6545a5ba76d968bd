#pragma once
// The map's colour scale: viridis, dark violet through blue and green to yellow. Its
// lightness rises evenly from 0 to 1, so equal steps of probability look like equal
// steps, in grey print too, and it stays readable with the common colour-vision
// deficiencies.

#include <QColor>

namespace brenvik {

/// The colour of probability p (clamped to 0 … 1; NaN gives the colour of 0): linear
/// in RGB between viridis's published colours at 0, 0.1, …, 1.
QColor viridisColour(double p);

}  // namespace brenvik
