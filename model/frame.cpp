#include "model/frame.h"

#include "model/point_spread.h"

#include <algorithm>

namespace brenvik {

namespace {

std::int8_t cellIndex(std::int8_t mid)
{
    // A real division by 7 truncated toward zero is the integer quotient.
    const auto cell = static_cast<std::int8_t>(mid / 7);
    return std::clamp<std::int8_t>(cell, -7, 7);
}

// The frame's algorithm, whatever supplies SourceIntensity(X, Y, SX, SY).
template <class Intensity>
FrameResult evaluateWith(Intensity&& intensity, const TFrameInputs& in, const NoiseSettings& noise,
                         NoiseGenerator& generator, SurfaceSamples* samples)
{
    FrameResult r;
    r.cell = midpointCell(in.T1X, in.T1Y, in.T2X, in.T2Y);
    const MidpointCell& c = r.cell;

    TGridSample* out = samples ? samples->data() : nullptr;
    for (int x = kFieldMin; x <= kFieldMax; ++x) {
        const auto X = static_cast<std::int8_t>(x);
        const bool inCellColumn = c.CellXLo < X && X < c.CellXHi;
        for (int y = kFieldMin; y <= kFieldMax; ++y) {
            const auto Y = static_cast<std::int8_t>(y);
            float i1 = scaledIntensity(intensity(X, Y, in.T1X, in.T1Y));
            float i2 = scaledIntensity(intensity(X, Y, in.T2X, in.T2Y));
            if (noise.enabled) {
                i1 = withNoise(i1, generator.NoiseDraw(noise.level));
                i2 = withNoise(i2, generator.NoiseDraw(noise.level));
            }
            if (inCellColumn && c.CellYLo < Y && Y < c.CellYHi) {
                r.CellSum = addToCellSum(r.CellSum, i1, i2);
                r.CellCount = static_cast<std::uint8_t>(r.CellCount + 1);
            }
            if (out)
                *out++ = TGridSample{X, Y, i1, i2};
        }
    }

    r.Peak1 =
        peakIntensity(intensity(in.T1X, in.T1Y, in.T1X, in.T1Y), intensity(in.T1X, in.T1Y, in.T2X, in.T2Y));
    r.Peak2 =
        peakIntensity(intensity(in.T2X, in.T2Y, in.T1X, in.T1Y), intensity(in.T2X, in.T2Y, in.T2X, in.T2Y));
    r.CellMean = cellMean(r.CellSum, r.CellCount);
    if (noise.enabled) {
        r.Peak1 = withNoise(r.Peak1, generator.NoiseDraw(noise.level));
        r.Peak2 = withNoise(r.Peak2, generator.NoiseDraw(noise.level));
    }
    r.resolved = isResolved(in.Threshold, r.Peak1, r.Peak2, r.CellMean);
    return r;
}

}  // namespace

MidpointCell midpointCell(std::int8_t T1X, std::int8_t T1Y, std::int8_t T2X, std::int8_t T2Y)
{
    MidpointCell c;
    c.MidX = static_cast<std::int8_t>((std::int32_t{T1X} + T2X) / 2);
    c.MidY = static_cast<std::int8_t>((std::int32_t{T1Y} + T2Y) / 2);
    c.CellX = cellIndex(c.MidX);
    c.CellY = cellIndex(c.MidY);
    c.CellXLo = static_cast<std::int8_t>(8 * c.CellX - 4);
    c.CellXHi = static_cast<std::int8_t>(8 * c.CellX + 4);
    c.CellYLo = static_cast<std::int8_t>(8 * c.CellY - 4);
    c.CellYHi = static_cast<std::int8_t>(8 * c.CellY + 4);
    return c;
}

bool isResolved(float Threshold, float Peak1, float Peak2, float CellMean)
{
    const Extended t = Threshold, p1 = Peak1, p2 = Peak2, mean = CellMean;
    if (t * p1 > p1 - mean)
        return false;
    if (t * p2 > p2 - mean)
        return false;
    return true;
}

FrameResult FrameEvaluator::evaluate(const TFrameInputs& inputs, const NoiseSettings& noise,
                                     NoiseGenerator& generator, SurfaceSamples* samples)
{
    m_table.setWidth(inputs.Q);
    auto fromTable = [this](std::int8_t X, std::int8_t Y, std::int8_t SX, std::int8_t SY) {
        return m_table.at(squaredDistance(X, Y, SX, SY));
    };
    return evaluateWith(fromTable, inputs, noise, generator, samples);
}

FrameResult evaluateFrameLiteral(const TFrameInputs& inputs, const NoiseSettings& noise,
                                 NoiseGenerator& generator, SurfaceSamples* samples)
{
    auto fresh = [Q = inputs.Q](std::int8_t X, std::int8_t Y, std::int8_t SX, std::int8_t SY) {
        return SourceIntensity(X, Y, SX, SY, Q);
    };
    return evaluateWith(fresh, inputs, noise, generator, samples);
}

}  // namespace brenvik
