// A trial evaluated from the midpoint cell alone must give, bit for bit, what the whole
// frame gives, and leave the generator where the frame leaves it.

#include "model/frame.h"
#include "model/noise_jump.h"
#include "model/trial.h"
#include "parameters_with.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>

using namespace brenvik;

namespace {

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

class NoiseJumpSteps : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(NoiseJumpSteps, EqualsThatManyDraws)
{
    const std::uint64_t n = GetParam();
    for (std::uint32_t start : {0u, 1u, 0x9E3779B9u, 0xFFFFFFFFu}) {
        NoiseGenerator drawn{start};
        for (std::uint64_t i = 0; i < n; ++i)
            drawn.NoiseDraw(30);
        EXPECT_EQ(NoiseJump::steps(n).apply(start), drawn.NoiseSeed) << "start " << start;
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, NoiseJumpSteps,
                         ::testing::Values(0u, 1u, 2u, 3u, 228u, 29283u, 29284u, 100003u));

TEST(NoiseJump, FullPeriodReturnsToTheStart)
{
    EXPECT_EQ(NoiseJump::steps(std::uint64_t{1} << 32).apply(12345u), 12345u);
    EXPECT_EQ(NoiseJump::steps((std::uint64_t{1} << 32) + 7).apply(12345u),
              NoiseJump::steps(7).apply(12345u));
    EXPECT_NE(NoiseJump::steps((std::uint64_t{1} << 31)).apply(12345u), 12345u);
}

void expectSameTrial(const FrameResult& trial, const FrameResult& frame, const NoiseGenerator& trialGenerator,
                     const NoiseGenerator& frameGenerator, const std::string& where)
{
    EXPECT_EQ(bits(trial.cellSum), bits(frame.cellSum)) << where;
    EXPECT_EQ(bits(trial.cellMean), bits(frame.cellMean)) << where;
    EXPECT_EQ(bits(trial.peak1), bits(frame.peak1)) << where;
    EXPECT_EQ(bits(trial.peak2), bits(frame.peak2)) << where;
    EXPECT_EQ(trial.cellCount, frame.cellCount) << where;
    EXPECT_EQ(trial.resolved, frame.resolved) << where;
    EXPECT_EQ(std::memcmp(&trial.cell, &frame.cell, sizeof trial.cell), 0) << where;
    EXPECT_EQ(trialGenerator.NoiseSeed, frameGenerator.NoiseSeed) << where;
}

// One evaluator through inputs that change one at a time: every change must reach the
// trial, the threshold too, though nothing the plan computes depends on it.
TEST(TrialEvaluator, FollowsEveryInputThatChanges)
{
    using Change = void (*)(ModelParameters&, NoiseSettings&);
    const std::pair<const char*, Change> changes[] = {
        {"start", [](ModelParameters&, NoiseSettings&) {}},
        {"threshold", [](ModelParameters& in, NoiseSettings&) { in.threshold = 0.6f; }},  // now unresolved
        {"threshold back", [](ModelParameters& in, NoiseSettings&) { in.threshold = 0.27f; }},
        {"Q", [](ModelParameters& in, NoiseSettings&) { in.q = 12.0f; }},
        {"T1X", [](ModelParameters& in, NoiseSettings&) { in.t1x = -30; }},
        {"T1Y", [](ModelParameters& in, NoiseSettings&) { in.t1y = 4; }},
        {"T2X", [](ModelParameters& in, NoiseSettings&) { in.t2x = 33; }},
        {"T2Y", [](ModelParameters& in, NoiseSettings&) { in.t2y = -5; }},
        {"noise on",
         [](ModelParameters&, NoiseSettings& noise) {
             noise = {true, 30};
         }},
        {"noise level", [](ModelParameters&, NoiseSettings& noise) { noise.level = 3; }},
        {"threshold with noise", [](ModelParameters& in, NoiseSettings&) { in.threshold = 0.9f; }},
        {"noise off", [](ModelParameters&, NoiseSettings& noise) { noise.enabled = false; }},
    };
    ModelParameters in;
    in.t1x = -15;  // resolved at threshold 0.27, not at 0.6
    in.t2x = 15;
    NoiseSettings noise;
    FrameEvaluator frames;
    TrialEvaluator trials;
    NoiseGenerator frameGenerator{12345u};
    NoiseGenerator trialGenerator = frameGenerator;
    for (const auto& [name, change] : changes) {
        change(in, noise);
        const FrameResult frame = frames.evaluate(parametersWith(in, noise), frameGenerator);
        expectSameTrial(trials.evaluate(parametersWith(in, noise), trialGenerator), frame, trialGenerator,
                        frameGenerator, name);
    }
}

class TrialIdentity : public ::testing::TestWithParam<int> {};

// Every noise level; level -1 is noise off.
TEST_P(TrialIdentity, MatchesTheFullFrameBitForBit)
{
    const int level = GetParam();
    const NoiseSettings noise{level >= 0, level >= 0 ? level : 0};
    const float widths[] = {9.0f,
                            4.5f,
                            1.0f,
                            0.5f,
                            0.0f,
                            -0.0f,
                            -9.0f,
                            0.07f,
                            1e-39f,
                            120.0f,
                            1e30f,
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
    std::mt19937 random(1207u + static_cast<unsigned>(level + 1));
    std::uniform_int_distribution<int> inField(-60, 60);
    std::uniform_int_distribution<int> anyByte(-128, 127);
    std::uniform_real_distribution<float> share(0.0f, 1.0f);

    FrameEvaluator frames;
    TrialEvaluator trials;
    for (int c = 0; c < 60; ++c) {
        ModelParameters in;
        in.q = c < 26 ? widths[c % std::size(widths)] : 0.5f + 20.0f * share(random);
        in.threshold = share(random);
        auto position = [&] {
            return static_cast<std::int8_t>(c % 7 == 6 ? anyByte(random) : inField(random));
        };
        in.t1x = position();
        in.t1y = position();
        in.t2x = position();
        in.t2y = position();

        NoiseGenerator frameGenerator{static_cast<std::uint32_t>(random())};
        NoiseGenerator trialGenerator = frameGenerator;
        // Two trials in a row with the same inputs: the second one reuses the plan.
        for (int repeat = 0; repeat < 2; ++repeat) {
            const FrameResult frame = frames.evaluate(parametersWith(in, noise), frameGenerator);
            const FrameResult trial = trials.evaluate(parametersWith(in, noise), trialGenerator);
            expectSameTrial(trial, frame, trialGenerator, frameGenerator,
                            "case " + std::to_string(c) + '.' + std::to_string(repeat));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, TrialIdentity, ::testing::Range(-1, 31), [](const auto& info) {
    return info.param < 0 ? std::string("off") : "level" + std::to_string(info.param);
});

}  // namespace
