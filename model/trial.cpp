#include "model/trial.h"

#include "model/point_spread.h"

#include <bit>

namespace brenvik {

namespace {

constexpr int kFirstColumnOffset = 3;  // the cell holds 8·CellX − 3 … 8·CellX + 3

// Draws between the last sample of one cell column and the first of the next.
constexpr NoiseJump kColumnGap = NoiseJump::steps(2 * (kFieldSide - kCellSide));
// From a frame's first state to the state before its two peak draws.
constexpr NoiseJump kToPeaks = NoiseJump::steps(2 * kSampleCount);

int sampleIndex(int x, int y) { return (x - kFieldMin) * kFieldSide + (y - kFieldMin); }

float intensityAt(int x, int y, std::int8_t SX, std::int8_t SY, float Q)
{
    return scaledIntensity(
        SourceIntensity(static_cast<std::int8_t>(x), static_cast<std::int8_t>(y), SX, SY, Q));
}

bool sameBits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

bool sameInputs(const TFrameInputs& a, const TFrameInputs& b)
{
    return sameBits(a.Q, b.Q) && sameBits(a.Threshold, b.Threshold) && a.T1X == b.T1X && a.T1Y == b.T1Y &&
           a.T2X == b.T2X && a.T2Y == b.T2Y;
}

}  // namespace

TrialPlan planTrial(const TFrameInputs& in)
{
    TrialPlan plan;
    plan.inputs = in;
    FrameResult& r = plan.quiet;
    r.cell = midpointCell(in.T1X, in.T1Y, in.T2X, in.T2Y);
    const int x0 = 8 * r.cell.CellX - kFirstColumnOffset;
    const int y0 = 8 * r.cell.CellY - kFirstColumnOffset;
    for (int i = 0; i < kCellSide; ++i) {
        for (int j = 0; j < kCellSide; ++j) {
            const int k = i * kCellSide + j;
            plan.intensity1[k] = intensityAt(x0 + i, y0 + j, in.T1X, in.T1Y, in.Q);
            plan.intensity2[k] = intensityAt(x0 + i, y0 + j, in.T2X, in.T2Y, in.Q);
            r.CellSum = addToCellSum(r.CellSum, plan.intensity1[k], plan.intensity2[k]);
        }
    }
    r.CellCount = kCellSamples;
    r.CellMean = cellMean(r.CellSum, kCellSamples);
    r.Peak1 = peakIntensity(SourceIntensity(in.T1X, in.T1Y, in.T1X, in.T1Y, in.Q),
                            SourceIntensity(in.T1X, in.T1Y, in.T2X, in.T2Y, in.Q));
    r.Peak2 = peakIntensity(SourceIntensity(in.T2X, in.T2Y, in.T1X, in.T1Y, in.Q),
                            SourceIntensity(in.T2X, in.T2Y, in.T2X, in.T2Y, in.Q));
    r.resolved = isResolved(in.Threshold, r.Peak1, r.Peak2, r.CellMean);
    plan.toCell = NoiseJump::steps(2 * static_cast<std::uint64_t>(sampleIndex(x0, y0)));
    return plan;
}

FrameResult runTrial(const TrialPlan& plan, const NoiseSettings& noise, NoiseGenerator& generator)
{
    if (!noise.enabled)
        return plan.quiet;

    const std::uint32_t first = generator.NoiseSeed;
    const std::int32_t level = noise.level;
    NoiseGenerator cell{plan.toCell.apply(first)};
    float sum = 0.0f;
    for (int i = 0; i < kCellSide; ++i) {
        if (i != 0)
            cell.NoiseSeed = kColumnGap.apply(cell.NoiseSeed);
        for (int j = 0; j < kCellSide; ++j) {
            const int k = i * kCellSide + j;
            const float i1 = withNoise(plan.intensity1[k], cell.NoiseDraw(level));
            const float i2 = withNoise(plan.intensity2[k], cell.NoiseDraw(level));
            sum = addToCellSum(sum, i1, i2);
        }
    }

    FrameResult r = plan.quiet;
    r.CellSum = sum;
    r.CellMean = cellMean(sum, kCellSamples);
    generator.NoiseSeed = kToPeaks.apply(first);
    r.Peak1 = withNoise(r.Peak1, generator.NoiseDraw(level));
    r.Peak2 = withNoise(r.Peak2, generator.NoiseDraw(level));
    r.resolved = isResolved(plan.inputs.Threshold, r.Peak1, r.Peak2, r.CellMean);
    return r;
}

FrameResult TrialEvaluator::evaluate(const TFrameInputs& inputs, const NoiseSettings& noise,
                                     NoiseGenerator& generator)
{
    if (!m_plan || !sameInputs(m_plan->inputs, inputs))
        m_plan = planTrial(inputs);
    return runTrial(*m_plan, noise, generator);
}

}  // namespace brenvik
