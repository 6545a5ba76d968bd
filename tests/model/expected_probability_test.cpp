#include "model/expected_probability.h"
#include "model/fp_environment.h"
#include "model/uniform_sum.h"
#include "parameters_with.h"
#include "significant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

using namespace brenvik;

namespace {

struct SumCase {
    int draws, level;
    std::vector<double> counts;  // ways to reach each sum, out of level^draws
};

void PrintTo(const SumCase& c, std::ostream* os) { *os << c.draws << " draws at level " << c.level; }

class UniformSum : public ::testing::TestWithParam<SumCase> {};

TEST_P(UniformSum, SmallCasesCountedByHand)
{
    const SumCase& c = GetParam();
    const std::vector<double> p = uniformSumDistribution(c.draws, c.level);
    ASSERT_EQ(p.size(), c.counts.size());
    const double outcomes = std::pow(c.level, c.draws);
    for (std::size_t n = 0; n < p.size(); ++n)
        EXPECT_NEAR(p[n], c.counts[n] / outcomes, 1e-16) << "sum " << n;
}

INSTANTIATE_TEST_SUITE_P(ByHand, UniformSum,
                         ::testing::Values(SumCase{0, 5, {1}}, SumCase{4, 1, {1}}, SumCase{1, 2, {1, 1}},
                                           SumCase{2, 2, {1, 2, 1}}, SumCase{3, 2, {1, 3, 3, 1}},
                                           SumCase{1, 3, {1, 1, 1}}, SumCase{2, 3, {1, 2, 3, 2, 1}},
                                           SumCase{3, 3, {1, 3, 6, 7, 6, 3, 1}},
                                           SumCase{2, 4, {1, 2, 3, 4, 3, 2, 1}}));

TEST(UniformSumOfTheCell, AgreesWithPlainConvolutionIntoTheTails)
{
    // The cell's 98 draws at level 30, against the convolution written out term by term
    // in extended precision: every probability to a relative 1e-12, the far tails too.
    constexpr int kDraws = 98, kLevel = 30;
    std::vector<long double> plain{1.0L};
    for (int k = 0; k < kDraws; ++k) {
        std::vector<long double> next(plain.size() + kLevel - 1, 0.0L);
        for (std::size_t i = 0; i < plain.size(); ++i)
            for (int m = 0; m < kLevel; ++m)
                next[i + m] += plain[i] / kLevel;
        plain.swap(next);
    }
    const std::vector<double> p = uniformSumDistribution(kDraws, kLevel);
    ASSERT_EQ(p.size(), plain.size());
    double total = 0, mean = 0, square = 0;
    for (std::size_t n = 0; n < p.size(); ++n) {
        EXPECT_NEAR(p[n] / static_cast<double>(plain[n]), 1.0, 1e-12) << "sum " << n;
        total += p[n];
        mean += n * p[n];
        square += double(n) * n * p[n];
    }
    EXPECT_NEAR(total, 1.0, 1e-13);
    EXPECT_NEAR(mean, kDraws * (kLevel - 1) / 2.0, 1e-9);
    EXPECT_NEAR(square - mean * mean, kDraws * (kLevel * kLevel - 1) / 12.0, 1e-7);
}

TEST(UniformSumOfTheCell, RefusesNegativeDrawsAndEmptyLevels)
{
    EXPECT_THROW(uniformSumDistribution(-1, 3), std::invalid_argument);
    EXPECT_THROW(uniformSumDistribution(3, 0), std::invalid_argument);
}

struct VerdictCase {
    const char* name;
    ModelParameters inputs;
    NoiseSettings noise;
    double expected;
};

void PrintTo(const VerdictCase& c, std::ostream* os) { *os << c.name; }

class NoiselessVerdict : public ::testing::TestWithParam<VerdictCase> {
protected:
    void SetUp() override { setModelFloatingPointEnvironment(); }
};

TEST_P(NoiselessVerdict, IsZeroOrOne)
{
    const VerdictCase& c = GetParam();
    EXPECT_EQ(expectedProbability(parametersWith(c.inputs, c.noise)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, NoiselessVerdict,
    ::testing::Values(VerdictCase{"together, noise off", sources(0, 0, 0, 0), {false, 30}, 0.0},
                      VerdictCase{"apart, noise off", sources(-20, 0, 20, 0), {false, 30}, 1.0},
                      VerdictCase{"12 apart, noise off", sources(-12, 0, 12, 0), {false, 0}, 0.0},
                      VerdictCase{"15 apart, noise off", sources(-15, 0, 15, 0), {false, 0}, 1.0},
                      VerdictCase{"together, level 1", sources(0, 0, 0, 0), {true, 1}, 0.0},
                      VerdictCase{"apart, level 0", sources(-20, 0, 20, 0), {true, 0}, 1.0},
                      // Out of the noise's reach: no draw can lift the peaks enough, or sink them.
                      VerdictCase{"together, level 30", sources(0, 0, 0, 0), {true, 30}, 0.0},
                      VerdictCase{"apart, level 5", sources(-20, 0, 20, 0), {true, 5}, 1.0},
                      VerdictCase{"Q 0 at level 30", sources(0, 0, 0, 0, 0.27f, 0.0f), {true, 30}, 1.0}));

TEST(ExpectedProbability, MatchesTheQuotedCheck)
{
    setModelFloatingPointEnvironment();
    EXPECT_TRUE(matchesDigits(expectedProbability(parametersWith(sources(-16, 0, 16, 0, 0.35f), {true, 30})),
                              0.0220, 3));
}

// The sum over every cell draw sum n and every peak draw m, in real arithmetic from the
// noiseless frame: the formula as it reads, with no search and no rounding.
double directSum(const ModelParameters& in, int level)
{
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    const FrameResult still = evaluator.evaluate(in, generator);
    const std::vector<double> sumOf = uniformSumDistribution(98, level);
    const long double keep = 1.0L - in.threshold, mean0 = still.cellMean;
    long double total = 0;
    for (std::size_t n = 0; n < sumOf.size(); ++n) {
        const long double mean = mean0 + n / 49.0L;
        int pass1 = 0, pass2 = 0;
        for (int m = 0; m < level; ++m) {
            pass1 += keep * (still.peak1 + m) >= mean;
            pass2 += keep * (still.peak2 + m) >= mean;
        }
        total += sumOf[n] * pass1 * pass2;
    }
    return static_cast<double>(total / (level * level));
}

// The same sum with the trial's own roundings, each (n, m₁, m₂) decided by the frame's
// helpers: no search, no factoring into the two peaks.
double roundedSum(const ModelParameters& in, int level)
{
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    const FrameResult still = evaluator.evaluate(in, generator);
    const std::vector<double> sumOf = uniformSumDistribution(2 * still.cellCount, level);
    std::vector<float> peak1, peak2;
    for (int m = 0; m < level; ++m) {
        peak1.push_back(withNoise(still.peak1, m));
        peak2.push_back(withNoise(still.peak2, m));
    }
    long double total = 0;
    for (std::size_t n = 0; n < sumOf.size(); ++n) {
        const float mean = cellMean(withNoise(still.cellSum, static_cast<std::int32_t>(n)), still.cellCount);
        std::int64_t resolved = 0;
        for (float p1 : peak1)
            for (float p2 : peak2)
                resolved += isResolved(in.threshold, p1, p2, mean) ? 1 : 0;
        total += sumOf[n] * static_cast<long double>(resolved);
    }
    return static_cast<double>(total / (static_cast<long double>(level) * level));
}

struct NoisyCase {
    ModelParameters inputs;
    int level;
};

void PrintTo(const NoisyCase& c, std::ostream* os)
{
    *os << "T1 (" << int{c.inputs.t1x} << ", " << int{c.inputs.t1y} << "), T2 (" << int{c.inputs.t2x} << ", "
        << int{c.inputs.t2y} << "), threshold " << c.inputs.threshold << ", level " << c.level;
}

class NoisyTrial : public ::testing::TestWithParam<NoisyCase> {};

TEST_P(NoisyTrial, FollowsTheRealArithmeticFormula)
{
    setModelFloatingPointEnvironment();
    const NoisyCase& c = GetParam();
    ExpectedProbability expected;
    const double p = expected(parametersWith(c.inputs, {true, c.level}));
    EXPECT_GT(p, 0.0);
    EXPECT_LT(p, 1.0);
    EXPECT_NEAR(p, directSum(c.inputs, c.level), 1e-6);
    EXPECT_NEAR(p / roundedSum(c.inputs, c.level), 1.0, 1e-12);
    // The same object through other inputs answers as a fresh one does.
    ModelParameters other = c.inputs;
    other.threshold += 0.05f;
    EXPECT_EQ(expected(parametersWith(other, {true, c.level})),
              expectedProbability(parametersWith(other, {true, c.level})));
    other.t1y = static_cast<std::int8_t>(other.t1y + 3);
    EXPECT_EQ(expected(parametersWith(other, {true, c.level})),
              expectedProbability(parametersWith(other, {true, c.level})));
    other.q += 0.5f;
    EXPECT_EQ(expected(parametersWith(other, {true, c.level})),
              expectedProbability(parametersWith(other, {true, c.level})));
    EXPECT_EQ(expected(parametersWith(other, {true, c.level + 1})),
              expectedProbability(parametersWith(other, {true, c.level + 1})));
    EXPECT_EQ(expected(parametersWith(c.inputs, {false, c.level})),
              expectedProbability(parametersWith(c.inputs, {false, c.level})));
    EXPECT_EQ(expected(parametersWith(c.inputs, {true, c.level})), p);
}

INSTANTIATE_TEST_SUITE_P(Inputs, NoisyTrial,
                         ::testing::Values(NoisyCase{sources(-16, 0, 16, 0, 0.35f), 30},
                                           NoisyCase{sources(-13, 0, 13, 0), 30},
                                           NoisyCase{sources(-3, 5, 0, -12, -0.05f), 7},
                                           NoisyCase{sources(-12, 0, 12, 0, 0.2f), 2},
                                           NoisyCase{sources(-60, -60, 60, 60, 0.5f), 30},
                                           NoisyCase{sources(-40, 0, 10, 30, 0.6f), 17},
                                           NoisyCase{sources(0, 0, 0, 0, -0.03f), 20},
                                           // The cell mean's roundings, not real arithmetic, decide here.
                                           NoisyCase{sources(15, 14, 42, 1, 0.01f, 13.81f), 17}));

TEST(ExpectedShare, MeanOfTheBatchsTrials)
{
    setModelFloatingPointEnvironment();
    const ModelParameters near = sources(-16, 0, 16, 0, 0.35f);
    ModelParameters moved = near;
    moved.t1x = -13;  // a parameter no sweep varies still makes other trials
    const NoiseSettings noise{true, 30};
    const double pNear = expectedProbability(parametersWith(near, noise));
    const double pMoved = expectedProbability(parametersWith(moved, noise));
    ASSERT_NE(pNear, pMoved);

    ExpectedProbability expected;
    BatchTrials batch;
    EXPECT_TRUE(std::isnan(expectedShare(batch, expected)));
    for (int i = 0; i < 2; ++i)
        batch.add(parametersWith(near, noise));
    EXPECT_EQ(expectedShare(batch, expected), pNear);
    for (int i = 0; i < 3; ++i)
        batch.add(parametersWith(moved, noise));
    EXPECT_NEAR(expectedShare(batch, expected), (2 * pNear + 3 * pMoved) / 5, 1e-15);
}

TEST(ExpectedProbability, TakesLevelsUpToItsLimitAndRefusesOthers)
{
    setModelFloatingPointEnvironment();
    const ModelParameters in = sources(-16, 0, 16, 0);
    const double atLimit = expectedProbability(parametersWith(in, {true, kMaxExpectedNoiseLevel}));
    EXPECT_GT(atLimit, 0.0);
    EXPECT_LT(atLimit, 1.0);
    EXPECT_THROW(expectedProbability(parametersWith(in, {true, -1})), std::out_of_range);
    EXPECT_THROW(expectedProbability(parametersWith(in, {true, kMaxExpectedNoiseLevel + 1})),
                 std::out_of_range);
    EXPECT_EQ(expectedProbability(parametersWith(in, {false, -1})), expectedProbability(in));
}

}  // namespace
