#pragma once
// Contour lines of the probability map without Qt, so that the browser edition draws the
// same lines, by marching squares over the grid points: the line of value p runs through
// every square of four neighbouring points whose values lie on both sides of p, crossing
// its edges where the linear interpolation along the edge reaches p.

#include "model/probability_map.h"

#include <vector>

namespace brenvik {

/// A place on the grid: x the step, y the level; the grid point (step, level) is at
/// (step, level).
struct GridPlace {
    double x = 0.0;
    double y = 0.0;
};

struct ContourPiece {
    GridPlace from;
    GridPlace to;
};

/// The pieces of the contour of `p`, square by square. "On the line's side" means at or
/// above p.
std::vector<ContourPiece> contourPieces(const ProbabilityMap& map, double p);

}  // namespace brenvik
