#pragma once
// Contour lines of the probability map, by marching squares over the grid points: the
// line of value p runs through every square of four neighbouring points whose values
// lie on both sides of p, crossing its edges where the linear interpolation along the
// edge reaches p.

#include "model/probability_map.h"

#include <QLineF>
#include <QList>

namespace brenvik {

/// The pieces of the contour of `p`, in grid coordinates: x the step, y the level, the
/// grid point (step, level) at (step, level). "On the line's side" means at or above p.
QList<QLineF> contourSegments(const ProbabilityMap& map, double p);

}  // namespace brenvik
