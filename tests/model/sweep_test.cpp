#include "model/extended.h"
#include "model/frame.h"
#include "model/number_text.h"
#include "model/resolution_model.h"
#include "model/statistics.h"
#include "model/sweep_experiment.h"
#include "model/sweep_stepper.h"
#include "model/sweep_steps.h"
#include "significant.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

using namespace brenvik;

namespace {

TEST(SweepSteps, ThresholdHundredthsFallOneShortAtSevenSteps)
{
    const std::set<int> shortSteps = {18, 30, 36, 60, 66, 72, 120};
    for (int s = 0; s <= kSweepLastParameterStep; ++s) {
        const int exact = s * 10 / 12;
        const int expected = shortSteps.count(s) ? exact - 1 : exact;
        EXPECT_EQ(sweepThresholdHundredths(s), expected) << "step " << s;
    }
}

TEST(SweepSteps, ThresholdTextsInTheGeneralFormat)
{
    EXPECT_EQ(sweepThresholdText(0, ','), "0");
    EXPECT_EQ(sweepThresholdText(1, ','), "0");
    EXPECT_EQ(sweepThresholdText(2, ','), "0,01");
    EXPECT_EQ(sweepThresholdText(12, ','), "0,1");
    EXPECT_EQ(sweepThresholdText(17, ','), "0,14");
    EXPECT_EQ(sweepThresholdText(18, ','), "0,14");
    EXPECT_EQ(sweepThresholdText(120, ','), "0,99");
    EXPECT_EQ(sweepThresholdText(120, '.'), "0.99");
}

TEST(SweepSteps, PositionAndNoiseLevel)
{
    EXPECT_EQ(sweepPosition(0), -60);
    EXPECT_EQ(sweepPosition(60), 0);
    EXPECT_EQ(sweepPosition(120), 60);
    EXPECT_EQ(sweepNoiseLevel(3), 0);
    EXPECT_EQ(sweepNoiseLevel(4), 1);
    EXPECT_EQ(sweepNoiseLevel(119), 29);
    EXPECT_EQ(sweepNoiseLevel(120), 30);
}

TEST(SweepSteps, CurveHeightOfEveryProbabilityText)
{
    for (int k = 0; k <= 100; ++k) {
        const std::string text = realToText(Extended(k) / 100, ',');
        const int expected = k == 53 ? 105 : k == 59 ? 117 : 2 * k;
        EXPECT_EQ(curveHeight(textToReal(text, ',')), expected) << text;
    }
}

struct TickCase {
    int s;
    SweptParameters vary;
    int TestCount;
    StepSetting set;
    int step;
    bool advanced, plot, ended;
};

void PrintTo(const TickCase& c, std::ostream* os) { *os << "s " << c.s << ", TestCount " << c.TestCount; }

class SweepStepper : public ::testing::TestWithParam<TickCase> {};

TEST_P(SweepStepper, SetsAdvancesPlotsAndEnds)
{
    const TickCase& c = GetParam();
    const SweepTick tick =
        sweepTick(static_cast<std::uint8_t>(c.s), c.vary, static_cast<std::uint8_t>(c.TestCount));
    EXPECT_EQ(tick.set, c.set);
    EXPECT_EQ(tick.step, c.step);
    EXPECT_EQ(tick.advanced, c.advanced);
    EXPECT_EQ(tick.plot, c.plot);
    EXPECT_EQ(tick.ended, c.ended);
}

constexpr SweptParameters kPosition{true, false, false};
constexpr SweptParameters kAll{true, true, true};
constexpr SweptParameters kNone{false, false, false};
constexpr SweptParameters kThreshold{false, false, true};

INSTANTIATE_TEST_SUITE_P(
    Table, SweepStepper,
    ::testing::Values(
        // Only a count of 1, the first trial of a new batch, advances.
        TickCase{0, kPosition, 0, {-60, {}, {}}, 0, false, false, false},
        TickCase{0, kPosition, 1, {-60, {}, {}}, 1, true, false, false},
        TickCase{0, kPosition, 2, {-60, {}, {}}, 0, false, false, false},
        TickCase{7, kPosition, 255, {-53, {}, {}}, 7, false, true, false},
        // Nothing is drawn before step 2; then on every tick, advancing or not.
        TickCase{1, kPosition, 0, {-59, {}, {}}, 1, false, false, false},
        TickCase{1, kPosition, 1, {-59, {}, {}}, 2, true, true, false},
        TickCase{2, kPosition, 3, {-58, {}, {}}, 2, false, true, false},
        // The parameters come from the step on entry, before the advance.
        TickCase{18, kAll, 1, {-42, 4, 14}, 19, true, true, false},
        TickCase{18, kThreshold, 0, {{}, {}, 14}, 18, false, true, false},
        TickCase{60, kNone, 1, {}, 61, true, true, false},
        // Step 121 ends the sweep in the tick that reaches it, with step 120's parameters.
        TickCase{120, kAll, 1, {60, 30, 99}, 121, true, true, true},
        TickCase{120, kAll, 0, {60, 30, 99}, 120, false, true, false}));

/// A whole sweep without a window, as the main window runs it: each tick the stepper, then
/// one frame. Returns the ticks it took and the batches that the curve plotted, by step.
std::pair<int, std::vector<std::pair<int, BatchTrials>>> simulateSweep(std::uint8_t batch)
{
    ResolutionModel model;
    ModelParameters inputs;
    inputs.batchSize = batch;
    std::optional<BatchTrials> latest;
    std::vector<std::pair<int, BatchTrials>> plotted;
    std::uint8_t step = 0;
    for (int ticks = 1; ticks <= 200 * batch; ++ticks) {
        const SweepTick tick = sweepTick(step, kPosition, model.trials().TestCount());
        inputs.t2x = inputs.t2y = static_cast<std::int8_t>(*tick.set.position);
        step = tick.step;
        if (tick.plot && latest)
            plotted.emplace_back(step, *latest);
        if (tick.ended)
            return {ticks, plotted};
        const FrameOutcome outcome = model.runFrame(inputs);
        if (outcome.probability)
            latest = outcome.batchTrials;
    }
    return {-1, plotted};
}

TEST(SweepStepper, WholeSweepLastsAndStepsAsTheStaircaseSays)
{
    for (int batch : {2, 3, 5}) {
        const auto [ticks, plotted] = simulateSweep(static_cast<std::uint8_t>(batch));
        EXPECT_GE(ticks, 120 * batch + 1) << batch;
        EXPECT_LE(ticks, 121 * batch) << batch;
        ASSERT_FALSE(plotted.empty());
        // The level a step's point ends on: two trials at the step before, the rest at the step.
        for (auto it = plotted.begin(); it != plotted.end(); ++it) {
            if (std::next(it) != plotted.end() && std::next(it)->first == it->first)
                continue;
            const auto& [s, trials] = *it;
            if (s == kSweepEndStep)
                continue;  // the end comes before a batch completes at step 121
            EXPECT_EQ(trials.first().t2x, sweepPosition(s - 1)) << batch << " at " << s;
            EXPECT_EQ(trials.last().t2x, sweepPosition(batch == 2 ? s - 1 : s)) << batch << " at " << s;
            EXPECT_EQ(trials.trialsAtLast(), batch == 2 ? 2 : batch - 2) << batch << " at " << s;
        }
    }
}

TEST(Statistics, WilsonIntervalKnownValues)
{
    const Interval half = wilsonInterval(5, 10);
    EXPECT_TRUE(matchesDigits(half.low, 0.236593, 6));
    EXPECT_TRUE(matchesDigits(half.high, 0.763407, 6));

    // At p̂ = 0 and 1 the interval is one-sided but not empty.
    const Interval none = wilsonInterval(0, 5);
    EXPECT_TRUE(matchesDigits(none.high, 0.434482, 6));
    const Interval all = wilsonInterval(5, 5);
    EXPECT_TRUE(matchesDigits(all.low, 0.565518, 6));
}

class WilsonEnds : public ::testing::TestWithParam<long long> {};

TEST_P(WilsonEnds, NoSuccessesStartAtExactlyZeroAndAllEndAtExactlyOne)
{
    const long long n = GetParam();
    EXPECT_EQ(wilsonInterval(0, n).low, 0.0);
    EXPECT_EQ(wilsonInterval(n, n).high, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Trials, WilsonEnds, ::testing::Values(1, 2, 3, 4, 5, 7, 10, 20, 1000, 1000000));

TEST(SweepExperiment, StepsSetTheVariedParametersOnly)
{
    SweepSettings settings;
    settings.base.t1x = -20;
    settings.base.threshold = 0.5f;
    settings.vary = {true, true, true};
    settings.trialsPerStep = 1;
    std::vector<SweepStepResult> steps;
    runSweep(settings, [&](const SweepStepResult& r) { steps.push_back(r); });

    ASSERT_EQ(steps.size(), 121u);
    for (const SweepStepResult& r : steps) {
        EXPECT_EQ(r.parameters.t2x, r.step - 60);
        EXPECT_EQ(r.parameters.t2y, r.step - 60);
        EXPECT_EQ(r.parameters.t1x, -20);
        EXPECT_TRUE(r.parameters.noise.enabled);
        EXPECT_EQ(r.parameters.noise.level, r.step / 4);
        EXPECT_EQ(r.trials, 1);
    }
    EXPECT_EQ(steps[18].parameters.threshold, 0.14f);
    EXPECT_EQ(steps[120].parameters.threshold, 0.99f);

    settings.vary = {false, false, false};
    settings.base.noise = {};
    steps.clear();
    runSweep(settings, [&](const SweepStepResult& r) { steps.push_back(r); });
    EXPECT_EQ(steps[100].parameters.t2x, 0);
    EXPECT_FALSE(steps[100].parameters.noise.enabled);
    EXPECT_EQ(steps[100].parameters.threshold, 0.5f);
}

TEST(SweepExperiment, PositionSweepResolvesOnceT2IsFarFromT1)
{
    SweepSettings settings;
    settings.trialsPerStep = 3;
    std::vector<SweepStepResult> steps;
    runSweep(settings, [&](const SweepStepResult& r) { steps.push_back(r); });
    // T1 stays at the centre; T2 crosses it at step 60.
    EXPECT_EQ(steps[60].resolved, 0);
    EXPECT_EQ(steps[0].resolved, 3);
    EXPECT_EQ(steps[120].resolved, 3);
}

// The old way, one whole frame after another from one generator, against the trials
// split over threads and the steps run as a range.
TEST(SweepExperiment, SplitOrRangedCountsEqualWholeFramesOneAfterAnother)
{
    SweepSettings settings;
    // Sources close enough for the noise to decide many trials either way.
    settings.base.t1x = -12;
    settings.base.t2x = 12;
    settings.base.threshold = 0.15f;
    settings.vary = {false, true, false};
    settings.trialsPerStep = 7;
    std::vector<std::int64_t> expected;
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    for (int s = 0; s <= kSweepLastParameterStep; ++s) {
        ModelParameters in = settings.base;
        applySweepStep(s, settings.vary, in);
        std::int64_t resolved = 0;
        for (int i = 0; i < settings.trialsPerStep; ++i)
            resolved += evaluator.evaluate(in, generator).resolved ? 1 : 0;
        expected.push_back(resolved);
    }

    for (auto [threads, first, last] : {std::tuple{3u, 0, 120}, {1u, 47, 58}, {8u, 119, 120}}) {
        settings.threads = threads;
        settings.firstStep = first;
        settings.lastStep = last;
        std::atomic<std::int64_t> done{0};
        settings.trialsDone = &done;
        int next = first;
        runSweep(settings, [&](const SweepStepResult& r) {
            EXPECT_EQ(r.step, next++);
            EXPECT_EQ(r.resolved, expected[static_cast<std::size_t>(r.step)])
                << "step " << r.step << ", " << settings.threads << " threads";
        });
        EXPECT_EQ(next, last + 1);
        EXPECT_EQ(done.load(), settings.trialsPerStep * (last - first + 1));
    }
}

}  // namespace
