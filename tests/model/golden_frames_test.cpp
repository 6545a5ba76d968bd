// Every frame of the golden file, bit for bit, through both frame evaluations and the
// trial from the midpoint cell alone.

#include "golden_frames.h"
#include "model/trial.h"

#include <gtest/gtest.h>

using namespace brenvik;
using brenvik::testing::GoldenFrame;
using brenvik::testing::hexBits;

namespace {

class GoldenFrames : public ::testing::TestWithParam<GoldenFrame> {};

void expectGolden(const FrameResult& r, const NoiseGenerator& generator, const GoldenFrame& g)
{
    EXPECT_EQ(hexBits(r.peak1), hexBits(g.peak1)) << "Peak1";
    EXPECT_EQ(hexBits(r.peak2), hexBits(g.peak2)) << "Peak2";
    EXPECT_EQ(hexBits(r.cellMean), hexBits(g.cellMean)) << "CellMean";
    EXPECT_EQ(r.resolved, g.resolved) << "verdict";
    EXPECT_EQ(generator.NoiseSeed, g.seedAfter) << "generator state after the frame";
}

TEST_P(GoldenFrames, FastEvaluation)
{
    const GoldenFrame& g = GetParam();
    NoiseGenerator generator{g.seedBefore};
    FrameEvaluator evaluator;
    expectGolden(evaluator.evaluate(g.parameters, generator), generator, g);
}

TEST_P(GoldenFrames, LiteralEvaluation)
{
    const GoldenFrame& g = GetParam();
    NoiseGenerator generator{g.seedBefore};
    expectGolden(evaluateFrameLiteral(g.parameters, generator), generator, g);
}

TEST_P(GoldenFrames, CellOnlyTrial)
{
    const GoldenFrame& g = GetParam();
    NoiseGenerator generator{g.seedBefore};
    TrialEvaluator evaluator;
    expectGolden(evaluator.evaluate(g.parameters, generator), generator, g);
}

INSTANTIATE_TEST_SUITE_P(File, GoldenFrames, ::testing::ValuesIn(brenvik::testing::loadGoldenFrames()),
                         [](const auto& info) { return "line_" + std::to_string(info.param.line); });

}  // namespace
