#pragma once
// The probability map's contour lines as Qt lines (ui/map/map_contour_pieces.h).

#include "model/probability_map.h"

#include <QLineF>
#include <QList>

namespace brenvik {

/// The pieces of the contour of `p` (contourPieces), in grid coordinates: x the step,
/// y the level.
QList<QLineF> contourSegments(const ProbabilityMap& map, double p);

}  // namespace brenvik
