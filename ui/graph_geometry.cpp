#include "ui/graph_geometry.h"

#include "model/sweep_steps.h"
#include "ui/sweep_points.h"

#include <cmath>

namespace brenvik {

namespace {
constexpr int kLeft = 10;        // x of the vertical axis and of the curve's start
constexpr int kFullScale = 200;  // pixels for probability 1
}  // namespace

GraphGrid graphGrid(int outerWidth, int outerHeight)
{
    const std::int32_t base = outerHeight - 40;
    return {kLeft, outerWidth - 10, base, (outerWidth - 20) / 10, (base - 10) / 10};
}

GraphPixel curveStart(std::int32_t graphBaseY) { return {kLeft, graphBaseY - kFullScale}; }

GraphPixel curvePixel(int step, Extended P, std::int32_t graphBaseY)
{
    return {4 * step + kLeft, graphBaseY - curveHeight(P)};
}

std::vector<GraphPixel> expectedStaircase(const std::vector<SweepPoint>& points, std::int32_t graphBaseY)
{
    std::vector<GraphPixel> curve;
    for (const SweepPoint& p : points) {
        if (!std::isfinite(p.expected))
            continue;
        const GraphPixel level = curvePixel(p.step, p.expected, graphBaseY);
        if (!curve.empty())
            curve.push_back({level.x, curve.back().y});  // the last level runs on to this step
        curve.push_back(level);
    }
    return curve;
}

}  // namespace brenvik
