#include "ui/map/map_contours.h"

#include <array>

namespace brenvik {

QList<QLineF> contourSegments(const ProbabilityMap& map, double p)
{
    QList<QLineF> segments;
    const int levels = map.grid.levels();
    for (int level = 0; level + 1 < levels; ++level) {
        for (int step = 0; step + 1 < kMapSteps; ++step) {
            // The corners in order around the square, each with its place.
            const std::array<QPointF, 4> at{QPointF(step, level), QPointF(step + 1, level),
                                            QPointF(step + 1, level + 1), QPointF(step, level + 1)};
            std::array<double, 4> v{};
            for (std::size_t i = 0; i < 4; ++i)
                v[i] = map.at(static_cast<int>(at[i].x()), static_cast<int>(at[i].y()));
            QList<QPointF> crossings;
            for (std::size_t i = 0; i < 4; ++i) {
                const std::size_t j = (i + 1) % 4;
                if ((v[i] >= p) != (v[j] >= p))
                    crossings << at[i] + (at[j] - at[i]) * ((p - v[i]) / (v[j] - v[i]));
            }
            // Two crossings make one piece; four (a saddle) two pieces, each cutting off
            // a corner whose side differs from the square's centre value.
            if (crossings.size() == 2) {
                segments << QLineF(crossings[0], crossings[1]);
            } else if (crossings.size() == 4) {
                const bool centreAbove = (v[0] + v[1] + v[2] + v[3]) / 4 >= p;
                if ((v[0] >= p) != centreAbove) {
                    segments << QLineF(crossings[3], crossings[0]) << QLineF(crossings[1], crossings[2]);
                } else {
                    segments << QLineF(crossings[0], crossings[1]) << QLineF(crossings[2], crossings[3]);
                }
            }
        }
    }
    return segments;
}

}  // namespace brenvik
