#include "ui/map/map_contours.h"

#include "ui/map/map_contour_pieces.h"

namespace brenvik {

QList<QLineF> contourSegments(const ProbabilityMap& map, double p)
{
    QList<QLineF> segments;
    for (const ContourPiece& piece : contourPieces(map, p))
        segments << QLineF(piece.from.x, piece.from.y, piece.to.x, piece.to.y);
    return segments;
}

}  // namespace brenvik
