#pragma once
// What one frame of the 3-D view shows: the values the model computed for that frame,
// in model space (sensor X along x, sensor Y along z, height along y).

#include "model/extended.h"
#include "model/frame.h"

#include <array>
#include <cstdint>

namespace brenvik {

/// A surface point's height: both scaled intensities, noise included, minus 52,
/// summed in extended precision and rounded once to single.
inline float surfaceHeight(const TGridSample& sample)
{
    return roundedSum(sample.Intensity1, sample.Intensity2, -52.0f);
}

struct SceneFrame {
    ModelParameters parameters;  ///< where the sources stand
    MidpointCell cell;
    /// (X, height, Y) of every sample point in the model's loop order.
    std::array<float, 3 * kSampleCount> surface{};

    void set(const ModelParameters& frameParameters, const FrameResult& result,
             const SurfaceSamples& samples);
};

}  // namespace brenvik
