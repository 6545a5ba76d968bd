#include "model/trial.h"

#include "model/point_spread.h"

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

}  // namespace

TrialPlan planTrial(const ModelParameters& in)
{
    TrialPlan plan;
    plan.parameters = in;
    FrameResult& r = plan.quiet;
    r.cell = midpointCell(in.t1x, in.t1y, in.t2x, in.t2y);
    const int x0 = 8 * r.cell.CellX - kFirstColumnOffset;
    const int y0 = 8 * r.cell.CellY - kFirstColumnOffset;
    for (int i = 0; i < kCellSide; ++i) {
        for (int j = 0; j < kCellSide; ++j) {
            const int k = i * kCellSide + j;
            plan.intensity1[k] = intensityAt(x0 + i, y0 + j, in.t1x, in.t1y, in.q);
            plan.intensity2[k] = intensityAt(x0 + i, y0 + j, in.t2x, in.t2y, in.q);
            r.cellSum = addToCellSum(r.cellSum, plan.intensity1[k], plan.intensity2[k]);
        }
    }
    r.cellCount = kCellSamples;
    r.cellMean = cellMean(r.cellSum, kCellSamples);
    r.peak1 = peakIntensity(SourceIntensity(in.t1x, in.t1y, in.t1x, in.t1y, in.q),
                            SourceIntensity(in.t1x, in.t1y, in.t2x, in.t2y, in.q));
    r.peak2 = peakIntensity(SourceIntensity(in.t2x, in.t2y, in.t1x, in.t1y, in.q),
                            SourceIntensity(in.t2x, in.t2y, in.t2x, in.t2y, in.q));
    r.resolved = isResolved(in.threshold, r.peak1, r.peak2, r.cellMean);
    plan.toCell = NoiseJump::steps(2 * static_cast<std::uint64_t>(sampleIndex(x0, y0)));
    return plan;
}

FrameResult runTrial(const TrialPlan& plan, NoiseGenerator& generator)
{
    const NoiseSettings& noise = plan.parameters.noise;
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
    r.cellSum = sum;
    r.cellMean = cellMean(sum, kCellSamples);
    generator.NoiseSeed = kToPeaks.apply(first);
    r.peak1 = withNoise(r.peak1, generator.NoiseDraw(level));
    r.peak2 = withNoise(r.peak2, generator.NoiseDraw(level));
    r.resolved = isResolved(plan.parameters.threshold, r.peak1, r.peak2, r.cellMean);
    return r;
}

FrameResult TrialEvaluator::evaluate(const ModelParameters& parameters, NoiseGenerator& generator)
{
    if (!m_plan || !sameTrials(m_plan->parameters, parameters))
        m_plan = planTrial(parameters);
    return runTrial(*m_plan, generator);
}

}  // namespace brenvik
