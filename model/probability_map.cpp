#include "model/probability_map.h"

#include "model/fp_environment.h"
#include "model/sweep_steps.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

namespace brenvik {

ModelParameters MapGrid::parametersAt(int step, int level) const
{
    ModelParameters parameters = base;
    parameters.t2x = static_cast<std::int8_t>(sweepPosition(step));
    parameters.t2y = parameters.t2x;
    if (axis == MapAxis::threshold)
        parameters.threshold = thresholdValue(level);
    else
        parameters.noise = {true, level};
    return parameters;
}

double MapGrid::separation(double step) const
{
    const double t2 = step + sweepPosition(0);
    const double dx = t2 - base.t1x;
    const double dy = t2 - base.t1y;
    // One correctly rounded square root of the sum (exact at whole steps): the same digits
    // on every platform, where std::hypot's last bit is the C library's own (glibc's and
    // WebAssembly's differ at some steps).
    return std::sqrt(dx * dx + dy * dy);
}

double MapGrid::separationInQ(double step) const { return separation(step) / static_cast<double>(base.q); }

namespace {

// Takes rows from `next` until none is left: which thread makes a row changes no value.
void computeRows(const MapGrid& grid, std::atomic<int>& next, std::vector<double>& p, MapProgress* progress)
{
    setModelFloatingPointEnvironment();  // every thread that runs the model needs it
    ExpectedProbability expected;        // keeps the row's noise-sum distribution
    for (int level = next++; level < grid.levels(); level = next++) {
        if (progress && progress->cancel.load(std::memory_order_relaxed))
            return;
        for (int step = 0; step < kMapSteps; ++step)
            p[static_cast<std::size_t>(level) * kMapSteps + static_cast<std::size_t>(step)] =
                expected(grid.parametersAt(step, level));
        if (progress)
            progress->rowsDone.fetch_add(1, std::memory_order_relaxed);
    }
}

}  // namespace

std::optional<ProbabilityMap> computeProbabilityMap(const MapGrid& grid, unsigned threads,
                                                    MapProgress* progress)
{
    const NoiseSettings& noise = grid.base.noise;
    if (grid.axis == MapAxis::threshold && noise.enabled &&
        (noise.level < 0 || noise.level > kMaxExpectedNoiseLevel)) {
        throw std::out_of_range("probability map: noise level " + std::to_string(noise.level) +
                                " is outside 0.." + std::to_string(kMaxExpectedNoiseLevel));
    }
    ProbabilityMap map{grid, std::vector<double>(static_cast<std::size_t>(grid.levels()) * kMapSteps)};
    std::atomic<int> next{0};
    {
        std::vector<std::jthread> workers;
        const unsigned helpers = std::min(std::max(threads, 1u), static_cast<unsigned>(grid.levels())) - 1;
        for (unsigned i = 0; i < helpers; ++i) {
            try {
                workers.emplace_back([&] { computeRows(grid, next, map.p, progress); });
            } catch (const std::system_error&) {
                break;  // no thread to spare: the threads there are take its rows
            }
        }
        computeRows(grid, next, map.p, progress);
    }
    if (progress && progress->cancel.load())
        return std::nullopt;
    return map;
}

std::vector<Crossing> rowCrossings(std::span<const double> row, double p, const MapGrid& grid)
{
    std::vector<Crossing> crossings;
    for (std::size_t s = 0; s + 1 < row.size(); ++s) {
        const double a = row[s];
        const double b = row[s + 1];
        if ((a >= p) == (b >= p))
            continue;
        Crossing c;
        c.before = static_cast<int>(s);
        c.step = static_cast<double>(s) + (p - a) / (b - a);
        c.separation = grid.separation(c.step);
        c.separationInQ = grid.separationInQ(c.step);
        c.rising = b > a;
        crossings.push_back(c);
    }
    return crossings;
}

}  // namespace brenvik
