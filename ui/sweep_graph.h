#pragma once
// What a sweep draws on the graph window's canvas: the axes with their ticks and the
// dotted grid, and the curve of the probability against the step.

#include "model/extended.h"

#include <QPoint>
#include <QPolygon>
#include <QSize>

#include <cstdint>
#include <vector>

namespace brenvik {

class GraphCanvas;

/// Clears the canvas and draws the axes and grid for a window of outer size `outer`;
/// leaves the curve's pen set and its current point at the level of P = 1 on the left.
/// Returns GraphBaseY, the y of the horizontal axis.
std::int32_t drawAxesAndGrid(GraphCanvas& canvas, QSize outer);

/// The curve's point (graph_geometry.h) as Qt's point.
QPoint curvePoint(int step, Extended P, std::int32_t graphBaseY);

struct SweepPoint;

/// The expected shares' staircase (graph_geometry.h) as Qt's polygon.
QPolygon expectedCurve(const std::vector<SweepPoint>& points, std::int32_t graphBaseY);

}  // namespace brenvik
