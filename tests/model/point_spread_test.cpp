#include "model/extended.h"
#include "model/noise.h"
#include "model/point_spread.h"
#include "significant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace brenvik;

namespace {

struct IntensityCase {
    const char* name;
    int X, Y, SX, SY;
    float Q;
    double expected;
};

void PrintTo(const IntensityCase& c, std::ostream* os) { *os << c.name; }

class SourceIntensityValues : public ::testing::TestWithParam<IntensityCase> {};

TEST_P(SourceIntensityValues, MatchesQuotedDigits)
{
    const auto& c = GetParam();
    const float value = SourceIntensity(static_cast<std::int8_t>(c.X), static_cast<std::int8_t>(c.Y),
                                        static_cast<std::int8_t>(c.SX), static_cast<std::int8_t>(c.SY), c.Q);
    EXPECT_TRUE(matchesDigits(value, c.expected, 6));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SourceIntensityValues,
    ::testing::Values(IntensityCase{"peak_q9", 0, 0, 0, 0, 9.0f, 0.0443269},
                      IntensityCase{"distance5_q5", 0, 0, 3, 4, 5.0f, 0.0483941},
                      IntensityCase{"distance5_q1", 0, 0, 3, 4, 1.0f, 1.48672e-6},
                      // x pairs with x and y with y: the source's own position is the peak.
                      IntensityCase{"peak_off_origin", 10, 0, 10, 0, 9.0f, 0.0443269},
                      // 100 − (−100) = 200 wraps to −56 in 8 bits.
                      IntensityCase{"difference_wraps", -100, 0, 100, 0, 9.0f, 1.73614e-10},
                      IntensityCase{"negative_width", 0, 0, 0, 0, -9.0f, -0.0443269}),
    [](const auto& info) { return info.param.name; });

TEST(SourceIntensity, ScaledPeakForWidth9)
{
    const float scaled = toSingle(Extended(SourceIntensity(0, 0, 0, 0, 9.0f)) * 1200);
    EXPECT_TRUE(matchesDigits(scaled, 53.1923, 6));
}

TEST(SourceIntensity, NegativeWidthMirrorsPositiveBitForBit)
{
    for (int d = 0; d <= 120; d += 7)
        EXPECT_EQ(SourceIntensity(0, 0, static_cast<std::int8_t>(d - 60), 3, -4.5f),
                  -SourceIntensity(0, 0, static_cast<std::int8_t>(d - 60), 3, 4.5f));
}

TEST(SourceIntensity, ZeroWidthOfEitherSignIsNaNEverywhere)
{
    EXPECT_TRUE(std::isnan(SourceIntensity(5, 5, 0, 0, 0.0f)));
    EXPECT_TRUE(std::isnan(SourceIntensity(0, 0, 0, 0, 0.0f)));
    EXPECT_TRUE(std::isnan(SourceIntensity(0, 0, 0, 0, -0.0f)));
    EXPECT_TRUE(std::isnan(SourceIntensity(60, -60, -60, 60, -0.0f)));
}

TEST(SourceIntensity, TinyWidthUnderflowsOffTheSourceAndOverflowsOnIt)
{
    EXPECT_EQ(SourceIntensity(1, 0, 0, 0, 0.068f), 0.0f);
    EXPECT_GT(SourceIntensity(1, 0, 0, 0, 0.07f), 0.0f);
    EXPECT_TRUE(std::isfinite(SourceIntensity(0, 0, 0, 0, 1.2e-39f)));
    EXPECT_EQ(SourceIntensity(0, 0, 0, 0, 1.0e-39f), std::numeric_limits<float>::infinity());
}

TEST(SourceIntensity, DependsOnlyOnTheSquaredDistance)
{
    // (3, 4) and (5, 0) lie at the same distance from the origin.
    EXPECT_EQ(SourceIntensity(0, 0, 3, 4, 2.5f), SourceIntensity(0, 0, 5, 0, 2.5f));
    EXPECT_EQ(SourceIntensity(0, 0, 3, 4, 2.5f), SourceIntensity(-3, -4, 0, 0, 2.5f));
}

std::vector<int> draws(NoiseGenerator& g, int range, int count)
{
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(g.NoiseDraw(range));
    return out;
}

TEST(NoiseDraw, FirstTenDrawsOfLevel30)
{
    NoiseGenerator g;
    EXPECT_EQ(draws(g, 30, 10), (std::vector<int>{0, 0, 25, 6, 8, 20, 9, 4, 11, 12}));
}

TEST(NoiseDraw, FirstTenDrawsOfLevel10)
{
    NoiseGenerator g;
    EXPECT_EQ(draws(g, 10, 10), (std::vector<int>{0, 0, 8, 2, 2, 6, 3, 1, 3, 4}));
}

TEST(NoiseDraw, RangesZeroAndOneGiveZeroAndStillAdvance)
{
    NoiseGenerator g;
    EXPECT_EQ(g.NoiseDraw(0), 0);
    EXPECT_EQ(draws(g, 30, 2), (std::vector<int>{0, 25}));

    NoiseGenerator h;
    EXPECT_EQ(draws(h, 1, 5), (std::vector<int>(5, 0)));
    EXPECT_EQ(h.NoiseDraw(30), 20);  // the sixth draw of the level-30 sequence
}

TEST(NoiseDraw, StateFollowsTheCongruence)
{
    NoiseGenerator g;
    g.NoiseDraw(7);
    EXPECT_EQ(g.NoiseSeed, 1u);
    g.NoiseDraw(7);
    EXPECT_EQ(g.NoiseSeed, 134775814u);
    g.NoiseDraw(7);
    EXPECT_EQ(g.NoiseSeed, 3698175007u);  // the product wraps modulo 2^32
}

}  // namespace
