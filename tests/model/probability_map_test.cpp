#include "model/expected_probability.h"
#include "model/fp_environment.h"
#include "model/noise.h"
#include "model/probability_map.h"
#include "model/sweep_experiment.h"
#include "model/sweep_steps.h"
#include "parameters_with.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

using namespace brenvik;

namespace {

MapGrid noiseGrid()
{
    MapGrid grid;  // Q 9, threshold 0.27, T1 at (0, 0)
    grid.axis = MapAxis::noise;
    return grid;
}

MapGrid thresholdGrid(NoiseSettings noise)
{
    MapGrid grid;
    grid.axis = MapAxis::threshold;
    grid.base.t1x = -15;
    grid.base.t1y = 4;
    grid.base.noise = noise;
    return grid;
}

// The step at which a threshold sweep sets t ÷ 100.
int sweepStepOfThreshold(int hundredths)
{
    for (int s = 0; s <= kSweepLastParameterStep; ++s)
        if (sweepThresholdHundredths(s) == hundredths)
            return s;
    return -1;
}

TEST(ProbabilityMap, EveryPointIsTheExpectedProbabilityOfTheSweepsOwnSettings)
{
    setModelFloatingPointEnvironment();
    // Each point's inputs as a sweep makes them: T2 from a position sweep's step, the
    // noise level or the threshold from the step at which a sweep sets that level.
    for (const MapGrid& grid : {noiseGrid(), thresholdGrid({true, 17}), thresholdGrid({false, 30})}) {
        const ProbabilityMap map = *computeProbabilityMap(grid, 2);
        ASSERT_EQ(map.p.size(), static_cast<std::size_t>(grid.levels()) * 121);
        ExpectedProbability expected;
        for (int level = 0; level < grid.levels(); ++level) {
            const int levelStep = grid.axis == MapAxis::noise ? 4 * level : sweepStepOfThreshold(level);
            ASSERT_GE(levelStep, 0) << "no sweep step sets the threshold " << level << "/100";
            const SweptParameters vary{true, grid.axis == MapAxis::noise, grid.axis == MapAxis::threshold};
            for (int step = 0; step <= 120; ++step) {
                ModelParameters parameters = grid.base;
                applySweepStep(levelStep, {false, vary.noise, vary.threshold}, parameters);
                applySweepStep(step, {true, false, false}, parameters);
                ASSERT_EQ(map.at(step, level), expected(parameters))
                    << "step " << step << ", level " << level;
            }
        }
    }
}

TEST(ProbabilityMap, SameValuesForEveryThreadCount)
{
    setModelFloatingPointEnvironment();
    for (const MapGrid& grid : {noiseGrid(), thresholdGrid({true, 25})}) {
        const std::vector<double> one = computeProbabilityMap(grid, 1)->p;
        for (unsigned threads : {2u, 3u, 8u, 200u})
            EXPECT_EQ(computeProbabilityMap(grid, threads)->p, one) << threads << " threads";
    }
}

TEST(ProbabilityMap, ProgressCountsRowsAndACancelledMapGivesNothing)
{
    setModelFloatingPointEnvironment();
    MapProgress progress;
    ASSERT_TRUE(computeProbabilityMap(noiseGrid(), 2, &progress));
    EXPECT_EQ(progress.rowsDone.load(), 31);

    MapProgress cancelled;
    cancelled.cancel = true;
    EXPECT_FALSE(computeProbabilityMap(thresholdGrid({true, 30}), 2, &cancelled));
    EXPECT_EQ(cancelled.rowsDone.load(), 0);

    for (const int level : {-1, kMaxExpectedNoiseLevel + 1})
        EXPECT_THROW(computeProbabilityMap(thresholdGrid({true, level}), 1), std::out_of_range) << level;
}

TEST(ProbabilityMapCrossings, NoiselessRowChecksAgainstTheLiteralFrame)
{
    setModelFloatingPointEnvironment();
    // Q 9, threshold 0.27, T1 at (0, 0), no noise (levels 0 and 1 add nothing): resolved
    // while T2 is at least 18 from T1 along both axes. Checked by the literal frame.
    const MapGrid grid = noiseGrid();
    for (int step : {0, 42, 78, 120}) {
        NoiseGenerator generator;
        EXPECT_TRUE(evaluateFrameLiteral(parametersWith(grid.parametersAt(step, 0), {}), generator).resolved)
            << step;
    }
    for (int step : {43, 60, 77}) {
        NoiseGenerator generator;
        EXPECT_FALSE(evaluateFrameLiteral(parametersWith(grid.parametersAt(step, 0), {}), generator).resolved)
            << step;
    }
    const ProbabilityMap map = *computeProbabilityMap(grid, 1);
    for (int level : {0, 1}) {
        for (double p : {0.5, 0.9, 1.0}) {
            const std::vector<Crossing> c = rowCrossings(map.row(level), p, grid);
            ASSERT_EQ(c.size(), 2u) << "level " << level << ", p " << p;
            EXPECT_EQ(c[0].before, 42);
            EXPECT_FALSE(c[0].rising);
            EXPECT_EQ(c[1].before, 77);
            EXPECT_TRUE(c[1].rising);
            // Between a 1 and a 0 the value p lies 1 − p of the way from the 1.
            EXPECT_DOUBLE_EQ(c[0].step, 43 - p);
            EXPECT_DOUBLE_EQ(c[1].step, 77 + p);
            EXPECT_DOUBLE_EQ(c[0].separation, (60 - (43 - p)) * std::sqrt(2.0));
            EXPECT_DOUBLE_EQ(c[1].separationInQ, (77 + p - 60) * std::sqrt(2.0) / 9);
        }
    }
}

TEST(ProbabilityMapCrossings, EveryPassingInterpolatedInStepOrder)
{
    MapGrid grid;
    grid.base.q = 4.0f;
    grid.base.t1x = -20;
    grid.base.t1y = 10;
    // A row that rises through 0.5, touches it from above and leaves it, then rises
    // again: three crossings, the middle one exactly at a step.
    std::vector<double> row(121, 1.0);
    const std::vector<double> start{0.2, 0.4, 0.8, 0.6, 0.5, 0.45, 0.95};
    std::copy(start.begin(), start.end(), row.begin());
    const std::vector<Crossing> c = rowCrossings(row, 0.5, grid);
    ASSERT_EQ(c.size(), 3u);
    const double steps[] = {1.25, 4.0, 5.1};
    const int before[] = {1, 4, 5};
    const bool rising[] = {true, false, true};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(c[i].before, before[i]);
        EXPECT_NEAR(c[i].step, steps[i], 1e-12);
        EXPECT_EQ(c[i].rising, rising[i]);
        const double t2 = steps[i] - 60;  // T2 = (t2, t2)
        EXPECT_NEAR(c[i].separation, std::hypot(t2 + 20, t2 - 10), 1e-9);
        EXPECT_NEAR(c[i].separationInQ, c[i].separation / 4, 1e-12);
    }
    EXPECT_TRUE(rowCrossings(row, 0.1, grid).empty());   // never below
    EXPECT_EQ(rowCrossings(row, 0.9, grid).size(), 1u);  // 0.8 → 0.6 stays below
}

TEST(ProbabilityMapCrossings, SeparationOffTheDiagonal)
{
    MapGrid grid;
    grid.base.t1x = -20;
    grid.base.t1y = 15;
    grid.base.q = 5.0f;
    EXPECT_DOUBLE_EQ(grid.separation(60), 25.0);                       // T2 at (0, 0): (20, −15)
    EXPECT_DOUBLE_EQ(grid.separation(55), 25.0);                       // T2 at (−5, −5): (15, −20)
    EXPECT_DOUBLE_EQ(grid.separation(57.5), std::hypot(17.5, -17.5));  // the nearest point
    EXPECT_DOUBLE_EQ(grid.separationInQ(55), 5.0);
}

TEST(ProbabilityMapCrossings, SeparationAtWholeStepsIsTheCorrectlyRoundedRoot)
{
    // The map's CSV is the same in the browser's WebAssembly: at a whole step the distance
    // is the square root of an exact integer, rounded once (glibc's hypot is an ulp off
    // at T2 − T1 = (72, 57)).
    MapGrid grid;
    grid.base.t1x = -12;
    grid.base.t1y = 3;
    for (int step = 0; step < kMapSteps; ++step) {
        const double dx = step - 60 + 12, dy = step - 60 - 3;
        EXPECT_EQ(grid.separation(step), std::sqrt(dx * dx + dy * dy)) << "step " << step;
    }
}

}  // namespace
