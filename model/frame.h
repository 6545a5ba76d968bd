#pragma once
// One frame of the resolution model: the sensor field of 121 × 121 sample points
// (−60 … 60 on both axes) lit by two Gaussian sources, the sensor cell chosen under the
// midpoint between them, and one resolution trial.

#include "model/extended.h"
#include "model/intensity_table.h"
#include "model/model_parameters.h"
#include "model/noise.h"

#include <array>
#include <cstdint>

namespace brenvik {

inline constexpr int kFieldMin = -60;
inline constexpr int kFieldMax = 60;
inline constexpr int kFieldSide = kFieldMax - kFieldMin + 1;
inline constexpr int kSampleCount = kFieldSide * kFieldSide;
/// Each source's intensity is scaled by this before it is shown or averaged.
inline constexpr int kIntensityScale = 1200;
/// Draws of a frame with noise on: two per sample point, then one per peak.
inline constexpr std::uint64_t kNoiseDrawsPerFrame = 2 * kSampleCount + 2;

/// One source's light at a sample point, scaled and rounded to single.
inline float scaledIntensity(float intensity) { return roundedProduct(intensity, kIntensityScale); }

/// Both sources' light at a peak (T1's value first): the single values are summed
/// before scaling, unlike the samples, and rounded once.
inline float peakIntensity(float fromT1, float fromT2)
{
    return roundedSumProduct(fromT1, fromT2, kIntensityScale);
}

/// A value with one noise draw added, rounded to single.
inline float withNoise(float value, std::int32_t draw) { return roundedSum(value, draw); }

/// The cell's running sum with one sample's two values added, rounded once per sample.
inline float addToCellSum(float sum, float i1, float i2) { return roundedSum(sum, i1, i2); }

/// The cell's mean, rounded to single.
inline float cellMean(float sum, int count) { return roundedQuotient(sum, count); }

/// The value of one sample point; the 3-D view draws it at height Intensity1 + Intensity2 − 52.
struct TGridSample {
    std::int8_t X = 0, Y = 0;
    float Intensity1 = 0.0f, Intensity2 = 0.0f;  ///< each source's light ×1200, noise included
};

/// All sample points of a frame in loop order: X outer, Y inner, both −60 … 60.
using SurfaceSamples = std::array<TGridSample, kSampleCount>;

/// The midpoint between the sources and the sensor cell averaged under it.
/// The cell bounds are exclusive: the cell holds 8·CellX − 3 … 8·CellX + 3 in x.
struct MidpointCell {
    std::int8_t MidX = 0, MidY = 0;
    std::int8_t CellX = 0, CellY = 0;
    std::int8_t CellXLo = 0, CellXHi = 0, CellYLo = 0, CellYHi = 0;
};

/// MidX = (T1X + T2X) / 2 truncated toward zero; CellX = MidX / 7 truncated (not /8,
/// not rounded, so the cell need not hold the midpoint), clamped to −7 … 7. Same in y.
MidpointCell midpointCell(std::int8_t T1X, std::int8_t T1Y, std::int8_t T2X, std::int8_t T2Y);

/// Not resolved when threshold·peak > peak − cellMean for either peak (extended
/// precision, strict, so a NaN never rejects).
bool isResolved(float threshold, float peak1, float peak2, float cellMean);

struct FrameResult {
    MidpointCell cell;
    float cellSum = 0.0f;
    std::uint8_t cellCount = 0;
    float cellMean = 0.0f;
    float peak1 = 0.0f, peak2 = 0.0f;  ///< both sources' light at T1 and at T2, noise included
    bool resolved = false;
};

/// Evaluates frames. Keeps the point-spread values of the last width used, so that a
/// frame costs table look-ups instead of 29 286 exponentials; results are bit for bit
/// those of evaluateFrameLiteral.
class FrameEvaluator {
public:
    /// One frame. With noise on it makes 29 284 draws: two per sample point
    /// (Intensity1, then Intensity2), then one for Peak1 and one for Peak2.
    /// When `samples` is given it receives every sample point in loop order.
    FrameResult evaluate(const ModelParameters& parameters, NoiseGenerator& generator,
                         SurfaceSamples* samples = nullptr);

private:
    IntensityTable m_table;
};

/// The same frame computing every SourceIntensity anew: the reference that the fast
/// evaluation is checked and measured against.
FrameResult evaluateFrameLiteral(const ModelParameters& parameters, NoiseGenerator& generator,
                                 SurfaceSamples* samples = nullptr);

}  // namespace brenvik
