#include "model/extended.h"
#include "model/frame.h"
#include "model/frame_inputs.h"
#include "model/number_text.h"
#include "parameters_with.h"
#include "significant.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace brenvik;

namespace {

FrameResult noiselessFrame(const ModelParameters& in)
{
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    return evaluator.evaluate(in, generator);
}

double margin(const FrameResult& r) { return (r.peak1 - r.cellMean) / r.peak1; }

TEST(FrameTrial, BothSourcesAtTheCentreAreNotResolved)
{
    const FrameResult r = noiselessFrame(sources(0, 0, 0, 0));
    EXPECT_TRUE(matchesDigits(r.peak1, 106.385, 6));
    EXPECT_EQ(r.peak1, r.peak2);
    EXPECT_TRUE(matchesDigits(r.cellMean, 101.305, 6));
    EXPECT_FALSE(r.resolved);
}

TEST(FrameTrial, SourcesFortyApartAreResolved)
{
    const FrameResult r = noiselessFrame(sources(-20, 0, 20, 0));
    EXPECT_TRUE(matchesDigits(r.peak1, 53.1950, 6));
    EXPECT_EQ(r.peak1, r.peak2);
    EXPECT_TRUE(matchesDigits(r.cellMean, 9.63957, 6));
    EXPECT_TRUE(r.resolved);
}

TEST(FrameTrial, SeparationAroundTheThreshold)
{
    const FrameResult close = noiselessFrame(sources(-12, 0, 12, 0));
    EXPECT_TRUE(matchesDigits(margin(close), 0.206, 3));
    EXPECT_FALSE(close.resolved);

    const FrameResult apart = noiselessFrame(sources(-15, 0, 15, 0));
    EXPECT_TRUE(matchesDigits(margin(apart), 0.494, 3));
    EXPECT_TRUE(apart.resolved);
}

TEST(FrameTrial, ZeroWidthResolvesEveryTrial)
{
    ModelParameters in = sources(0, 0, 0, 0);
    in.q = 0.0f;
    const FrameResult r = noiselessFrame(in);
    EXPECT_TRUE(std::isnan(r.peak1));
    EXPECT_TRUE(std::isnan(r.cellMean));
    EXPECT_TRUE(r.resolved);
}

TEST(FrameTrial, CriterionIsStrict)
{
    // Peak 100, mean 75: the peak stands 25 above the mean, exactly 0.25 × peak.
    EXPECT_TRUE(isResolved(0.25f, 100.0f, 100.0f, 75.0f));
    EXPECT_FALSE(isResolved(0.25f, 100.0f, 99.0f, 75.0f));
    EXPECT_FALSE(isResolved(0.25f, 99.0f, 100.0f, 75.0f));
    EXPECT_TRUE(isResolved(0.25f, NAN, 100.0f, 75.0f));
}

TEST(MidpointCell, MidpointTruncatesTowardZero)
{
    const MidpointCell c = midpointCell(-3, 5, 0, -12);
    EXPECT_EQ(c.MidX, -1);
    EXPECT_EQ(c.MidY, -3);
    EXPECT_EQ(c.CellX, 0);
    EXPECT_EQ(c.CellY, 0);
}

struct CellCase {
    int mid;
    int cell;
};

void PrintTo(const CellCase& c, std::ostream* os) { *os << "MidX " << c.mid; }

class CellColumn : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellColumn, DividesBySevenTruncatesAndClamps)
{
    const auto [mid, cell] = GetParam();
    const auto m = static_cast<std::int8_t>(mid);
    const MidpointCell c = midpointCell(m, m, m, m);
    EXPECT_EQ(c.MidX, mid);
    EXPECT_EQ(c.CellX, cell);
    EXPECT_EQ(c.CellY, cell);
    EXPECT_EQ(c.CellXLo, 8 * cell - 4);
    EXPECT_EQ(c.CellXHi, 8 * cell + 4);
}

INSTANTIATE_TEST_SUITE_P(Edges, CellColumn,
                         ::testing::Values(CellCase{6, 0}, CellCase{7, 1}, CellCase{-6, 0}, CellCase{-7, -1},
                                           CellCase{55, 7}, CellCase{56, 7}, CellCase{60, 7},
                                           CellCase{-60, -7}, CellCase{0, 0}));

std::vector<int> cellColumnsX(int t1x, int t2x)
{
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    SurfaceSamples samples;
    const FrameResult r = evaluator.evaluate(sources(t1x, 0, t2x, 0), generator, &samples);
    std::vector<int> xs;
    for (const TGridSample& s : samples) {
        if (r.cell.CellXLo < s.X && s.X < r.cell.CellXHi && s.Y == 0)
            xs.push_back(s.X);
    }
    return xs;
}

TEST(MidpointCell, AveragedCellNeedNotHoldTheMidpoint)
{
    EXPECT_EQ(cellColumnsX(0, 10), (std::vector<int>{-3, -2, -1, 0, 1, 2, 3}));  // MidX 5
    EXPECT_EQ(cellColumnsX(10, 16), (std::vector<int>{5, 6, 7, 8, 9, 10, 11}));  // MidX 13
}

TEST(MidpointCell, EveryMidpointGivesAFullCellInsideTheField)
{
    for (int mid = kFieldMin; mid <= kFieldMax; ++mid) {
        const auto m = static_cast<std::int8_t>(mid);
        const MidpointCell c = midpointCell(m, m, m, m);
        EXPECT_GE(c.CellXLo + 1, kFieldMin) << mid;
        EXPECT_LE(c.CellXHi - 1, kFieldMax) << mid;
        EXPECT_EQ(c.CellXHi - c.CellXLo - 1, 7) << mid;
    }
}

TEST(FrameTrial, CellCountIs49ForSourcesAnywhere)
{
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    for (int t1 = -60; t1 <= 60; t1 += 20) {
        for (int t2 = -60; t2 <= 60; t2 += 15) {
            const FrameResult r = evaluator.evaluate(
                parametersWith(sources(t1, -t2, t2, 60), NoiseSettings{true, 30}), generator);
            EXPECT_EQ(r.cellCount, 49) << t1 << ' ' << t2;
        }
    }
}

TEST(FrameSamples, ComeInLoopOrderXOuterYInner)
{
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    SurfaceSamples samples;
    evaluator.evaluate(sources(0, 0, 0, 0), generator, &samples);
    EXPECT_EQ(samples[0].X, -60);
    EXPECT_EQ(samples[0].Y, -60);
    EXPECT_EQ(samples[1].X, -60);
    EXPECT_EQ(samples[1].Y, -59);
    EXPECT_EQ(samples[121].X, -59);
    EXPECT_EQ(samples[121].Y, -60);
    EXPECT_EQ(samples[kSampleCount - 1].X, 60);
    EXPECT_EQ(samples[kSampleCount - 1].Y, 60);
    // The sample over the source carries the scaled peak of each source.
    const TGridSample& centre = samples[60 * kFieldSide + 60];
    EXPECT_EQ(centre.X, 0);
    EXPECT_EQ(centre.Y, 0);
    EXPECT_TRUE(matchesDigits(centre.Intensity1, 53.1923, 6));
    EXPECT_EQ(centre.Intensity1, centre.Intensity2);
}

TEST(FrameNoise, DrawsTwicePerSampleThenOncePerPeak)
{
    const ModelParameters in = sources(0, 0, 0, 0);
    NoiseGenerator quiet;
    FrameEvaluator evaluator;
    SurfaceSamples clean;
    const FrameResult noiseless = evaluator.evaluate(in, quiet, &clean);
    EXPECT_EQ(quiet.NoiseSeed, 0u);

    NoiseGenerator generator;
    SurfaceSamples noisy;
    const FrameResult r = evaluator.evaluate(parametersWith(in, NoiseSettings{true, 30}), generator, &noisy);

    // At the corner the light is negligible, so the samples show the draws themselves:
    // 0, 0, 25, 6, 8, 20 go to Intensity1, Intensity2 of the first three samples.
    const int firstDraws[] = {0, 0, 25, 6, 8, 20};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(noisy[k].Intensity1 - clean[k].Intensity1, firstDraws[2 * k], 1e-6) << k;
        EXPECT_NEAR(noisy[k].Intensity2 - clean[k].Intensity2, firstDraws[2 * k + 1], 1e-6) << k;
    }

    NoiseGenerator replay;
    for (int i = 0; i < 2 * kSampleCount; ++i)
        replay.NoiseDraw(30);
    const int peak1Draw = replay.NoiseDraw(30);
    const int peak2Draw = replay.NoiseDraw(30);
    EXPECT_EQ(generator.NoiseSeed, replay.NoiseSeed);  // 29 284 draws in all
    EXPECT_EQ(r.peak1, toSingle(Extended(noiseless.peak1) + peak1Draw));
    EXPECT_EQ(r.peak2, toSingle(Extended(noiseless.peak2) + peak2Draw));
}

TEST(FrameNoise, LevelsZeroAndOneAddNothingButAdvanceTheGenerator)
{
    const ModelParameters in = sources(-20, 5, 20, -5);
    const FrameResult noiseless = noiselessFrame(in);
    for (int level : {0, 1}) {
        NoiseGenerator generator;
        FrameEvaluator evaluator;
        const FrameResult r = evaluator.evaluate(parametersWith(in, NoiseSettings{true, level}), generator);
        EXPECT_EQ(r.peak1, noiseless.peak1);
        EXPECT_EQ(r.cellSum, noiseless.cellSum);
        NoiseGenerator replay;
        for (int i = 0; i < 2 * kSampleCount + 2; ++i)
            replay.NoiseDraw(level);
        EXPECT_EQ(generator.NoiseSeed, replay.NoiseSeed) << level;
    }
}

TEST(FrameInputs, ReadInOrderWithTheirConversions)
{
    const ModelParameters in = readFrameInputs({"9", "300", "0,27"}, {200, -60, 60, -1}, ',');
    EXPECT_EQ(in.q, 9.0f);
    EXPECT_EQ(in.batchSize, 44);  // 300 mod 256
    EXPECT_EQ(in.threshold, 0.27f);
    EXPECT_EQ(in.t1x, -56);  // low 8 bits as signed
    EXPECT_EQ(in.t1y, -60);
    EXPECT_EQ(in.t2x, 60);
    EXPECT_EQ(in.t2y, -1);
}

void expectConversionFailure(const InputTexts& texts, char separator, const std::string& message,
                             InputBox box)
{
    try {
        readFrameInputs(texts, {}, separator);
        ADD_FAILURE() << "no failure for " << message;
    } catch (const InputConversionError& e) {
        EXPECT_EQ(e.what(), message);
        EXPECT_EQ(e.box(), box) << message;
    }
}

TEST(FrameInputs, FailuresNameTheWholeTextOfTheFirstBadBox)
{
    expectConversionFailure({"9", "5", "0,27"}, '.', "'0,27' is not a valid floating point value",
                            InputBox::threshold);
    expectConversionFailure({"", "5", "0,27"}, ',', "'' is not a valid floating point value", InputBox::q);
    expectConversionFailure({"9", "5,", "0,27"}, ',', "'5,' is not a valid integer value",
                            InputBox::batchSize);
    expectConversionFailure({"", "x", ""}, ',', "'' is not a valid floating point value", InputBox::q);
    expectConversionFailure({"9", "", "x"}, ',', "'' is not a valid integer value", InputBox::batchSize);
}

}  // namespace
