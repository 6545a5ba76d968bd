#pragma once
// The exact probability of resolution over a grid of two swept parameters: T2's step s
// along the sensor's diagonal (0 … 120, T2 = (s − 60, s − 60), as a position sweep moves
// it) against either the noise level (0 … 30, white noise on) or the threshold (t ÷ 100
// for t = 0 … 99, as a threshold sweep sets it), every other input as given. And where
// along a row the probability passes a given value.

#include "model/expected_probability.h"
#include "model/frame.h"
#include "model/model_parameters.h"

#include <atomic>
#include <optional>
#include <span>
#include <vector>

namespace brenvik {

/// What the grid's rows vary.
enum class MapAxis { noise, threshold };

inline constexpr int kMapSteps = 121;  ///< x: T2's steps 0 … 120
inline constexpr int kMapNoiseLevels = 31;
inline constexpr int kMapThresholdLevels = 100;

/// The grid's points and what is fixed over it.
struct MapGrid {
    MapAxis axis = MapAxis::noise;
    /// Q, T1, for a noise map the threshold and for a threshold map the noise; T2 is the
    /// x axis, and a noise map switches the noise on itself.
    ModelParameters base;

    int levels() const { return axis == MapAxis::noise ? kMapNoiseLevels : kMapThresholdLevels; }
    /// The parameters of the point (step, level): T2 at (step − 60, step − 60), and the
    /// noise level or the threshold t ÷ 100 read as the main window reads its text.
    ModelParameters parametersAt(int step, int level) const;
    /// |T2 − T1| in sensor units with T2 at (step − 60, step − 60); `step` may lie
    /// between two steps.
    double separation(double step) const;
    /// The same in units of the width Q.
    double separationInQ(double step) const;
};

/// Rows done and a request to stop, shared with whoever waits for a map.
struct MapProgress {
    std::atomic<int> rowsDone{0};
    std::atomic<bool> cancel{false};
};

/// The probabilities of every grid point, row by row (one row a level).
struct ProbabilityMap {
    MapGrid grid;
    std::vector<double> p;  ///< p[level · kMapSteps + step]

    double at(int step, int level) const
    {
        return p[static_cast<std::size_t>(level) * kMapSteps + static_cast<std::size_t>(step)];
    }
    std::span<const double> row(int level) const
    {
        return std::span<const double>(p).subspan(static_cast<std::size_t>(level) * kMapSteps, kMapSteps);
    }
};

/// Every point's expectedProbability. Rows are shared out among `threads` threads (at
/// least one); each thread keeps the distribution of the cell's noise sum along a row,
/// and every value is the same whatever the number of threads. Returns nothing when
/// `progress->cancel` was set before the last row. Throws std::out_of_range for a
/// threshold map whose noise level the expected probability does not take.
std::optional<ProbabilityMap> computeProbabilityMap(const MapGrid& grid, unsigned threads,
                                                    MapProgress* progress = nullptr);

/// Where a row's probability passes a value.
struct Crossing {
    int before = 0;           ///< the step before the crossing; the one after is before + 1
    double step = 0.0;        ///< interpolated linearly in the probability between the two
    double separation = 0.0;  ///< |T2 − T1| at `step`, sensor units
    double separationInQ = 0.0;
    bool rising = true;  ///< the probability rises through the value as the step grows
};

/// Every place where the row passes `p`: between steps s and s + 1 whenever one value
/// is below `p` and the other at or above it. The sensor's cells make the probability go
/// up and down along a row, so a row may pass a value several times; all are listed, in
/// the order of the steps.
std::vector<Crossing> rowCrossings(std::span<const double> row, double p, const MapGrid& grid);

}  // namespace brenvik
