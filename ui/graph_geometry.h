#pragma once
// Where a sweep's graph puts its axes, grid and curve in a window of a given outer size.
// No Qt: the browser edition draws the same pixels from these numbers.

#include "model/extended.h"

#include <cstdint>
#include <vector>

namespace brenvik {

struct SweepPoint;

struct GraphPixel {
    int x = 0;
    int y = 0;
    bool operator==(const GraphPixel&) const = default;
};

/// The axes' place and the grid's spacing: the vertical axis at x = left, the horizontal
/// one at y = base from left to right, a tick and a dotted grid line every dx and dy.
struct GraphGrid {
    int left = 0;
    int right = 0;
    std::int32_t base = 0;  ///< GraphBaseY
    int dx = 0;
    int dy = 0;
};

GraphGrid graphGrid(int outerWidth, int outerHeight);

/// Where the curve begins: the level of P = 1 on the vertical axis.
GraphPixel curveStart(std::int32_t graphBaseY);

/// The curve's point for step s at probability P: x = 4·s + 10, 200 pixels for P = 1.
GraphPixel curvePixel(int step, Extended P, std::int32_t graphBaseY);

/// The expected shares of the plotted points as the curve draws its levels: each point's
/// level runs on to the next point's step, then drops or rises to the next level. Points
/// whose expected share is not a number are left out.
std::vector<GraphPixel> expectedStaircase(const std::vector<SweepPoint>& points, std::int32_t graphBaseY);

}  // namespace brenvik
