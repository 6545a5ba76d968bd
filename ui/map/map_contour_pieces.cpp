#include "ui/map/map_contour_pieces.h"

#include <array>

namespace brenvik {

std::vector<ContourPiece> contourPieces(const ProbabilityMap& map, double p)
{
    std::vector<ContourPiece> pieces;
    const int levels = map.grid.levels();
    for (int level = 0; level + 1 < levels; ++level) {
        for (int step = 0; step + 1 < kMapSteps; ++step) {
            // The corners in order around the square, each with its place.
            const std::array<GridPlace, 4> at{
                GridPlace{double(step), double(level)}, GridPlace{double(step + 1), double(level)},
                GridPlace{double(step + 1), double(level + 1)}, GridPlace{double(step), double(level + 1)}};
            std::array<double, 4> v{};
            for (std::size_t i = 0; i < 4; ++i)
                v[i] = map.at(static_cast<int>(at[i].x), static_cast<int>(at[i].y));
            std::vector<GridPlace> crossings;
            for (std::size_t i = 0; i < 4; ++i) {
                const std::size_t j = (i + 1) % 4;
                if ((v[i] >= p) != (v[j] >= p)) {
                    const double t = (p - v[i]) / (v[j] - v[i]);
                    crossings.push_back(
                        {at[i].x + (at[j].x - at[i].x) * t, at[i].y + (at[j].y - at[i].y) * t});
                }
            }
            // Two crossings make one piece; four (a saddle) two pieces, each cutting off
            // a corner whose side differs from the square's centre value.
            if (crossings.size() == 2) {
                pieces.push_back({crossings[0], crossings[1]});
            } else if (crossings.size() == 4) {
                const bool centreAbove = (v[0] + v[1] + v[2] + v[3]) / 4 >= p;
                if ((v[0] >= p) != centreAbove) {
                    pieces.push_back({crossings[3], crossings[0]});
                    pieces.push_back({crossings[1], crossings[2]});
                } else {
                    pieces.push_back({crossings[0], crossings[1]});
                    pieces.push_back({crossings[2], crossings[3]});
                }
            }
        }
    }
    return pieces;
}

}  // namespace brenvik
