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
FrameResult evaluateWith(Intensity&& intensity, const ModelParameters& in, NoiseGenerator& generator,
                         SurfaceSamples* samples)
{
    const NoiseSettings& noise = in.noise;
    FrameResult r;
    r.cell = midpointCell(in.t1x, in.t1y, in.t2x, in.t2y);
    const MidpointCell& c = r.cell;

    TGridSample* out = samples ? samples->data() : nullptr;
    for (int x = kFieldMin; x <= kFieldMax; ++x) {
        const auto X = static_cast<std::int8_t>(x);
        const bool inCellColumn = c.CellXLo < X && X < c.CellXHi;
        for (int y = kFieldMin; y <= kFieldMax; ++y) {
            const auto Y = static_cast<std::int8_t>(y);
            float i1 = scaledIntensity(intensity(X, Y, in.t1x, in.t1y));
            float i2 = scaledIntensity(intensity(X, Y, in.t2x, in.t2y));
            if (noise.enabled) {
                i1 = withNoise(i1, generator.NoiseDraw(noise.level));
                i2 = withNoise(i2, generator.NoiseDraw(noise.level));
            }
            if (inCellColumn && c.CellYLo < Y && Y < c.CellYHi) {
                r.cellSum = addToCellSum(r.cellSum, i1, i2);
                r.cellCount = static_cast<std::uint8_t>(r.cellCount + 1);
            }
            if (out)
                *out++ = TGridSample{X, Y, i1, i2};
        }
    }

    r.peak1 =
        peakIntensity(intensity(in.t1x, in.t1y, in.t1x, in.t1y), intensity(in.t1x, in.t1y, in.t2x, in.t2y));
    r.peak2 =
        peakIntensity(intensity(in.t2x, in.t2y, in.t1x, in.t1y), intensity(in.t2x, in.t2y, in.t2x, in.t2y));
    r.cellMean = cellMean(r.cellSum, r.cellCount);
    if (noise.enabled) {
        r.peak1 = withNoise(r.peak1, generator.NoiseDraw(noise.level));
        r.peak2 = withNoise(r.peak2, generator.NoiseDraw(noise.level));
    }
    r.resolved = isResolved(in.threshold, r.peak1, r.peak2, r.cellMean);
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

bool isResolved(float threshold, float peak1, float peak2, float cellMean)
{
    if (exceedsDifference(threshold, peak1, cellMean))
        return false;
    if (exceedsDifference(threshold, peak2, cellMean))
        return false;
    return true;
}

FrameResult FrameEvaluator::evaluate(const ModelParameters& parameters, NoiseGenerator& generator,
                                     SurfaceSamples* samples)
{
    m_table.setWidth(parameters.q);
    auto fromTable = [this](std::int8_t X, std::int8_t Y, std::int8_t SX, std::int8_t SY) {
        return m_table.at(squaredDistance(X, Y, SX, SY));
    };
    return evaluateWith(fromTable, parameters, generator, samples);
}

FrameResult evaluateFrameLiteral(const ModelParameters& parameters, NoiseGenerator& generator,
                                 SurfaceSamples* samples)
{
    auto fresh = [Q = parameters.q](std::int8_t X, std::int8_t Y, std::int8_t SX, std::int8_t SY) {
        return SourceIntensity(X, Y, SX, SY, Q);
    };
    return evaluateWith(fresh, parameters, generator, samples);
}

}  // namespace brenvik
