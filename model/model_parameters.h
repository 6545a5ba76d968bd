#pragma once
// The model's parameters as one value: what a frame reads from the main window's number
// boxes, sliders and noise controls. A frame, a trial, a batch's record, the expected
// probability, a sweep's step and the 3-D view's frame all hold or take this type.

#include <bit>
#include <cstdint>

namespace brenvik {

/// White noise: on or off, and its level (each draw is 0 … level − 1).
struct NoiseSettings {
    bool enabled = false;
    std::int32_t level = 0;

    friend bool operator==(const NoiseSettings&, const NoiseSettings&) = default;
};

/// Defaults are the main window's initial values.
struct ModelParameters {
    float q = 9.0f;              ///< width Q of the point-spread function
    std::uint8_t batchSize = 5;  ///< trials per batch, low 8 bits of the box's integer
    float threshold = 0.27f;     ///< share of the peak that must stand above the cell mean
    std::int8_t t1x = 0, t1y = 0, t2x = 0, t2y = 0;  ///< the sources T1 and T2
    NoiseSettings noise;

    friend bool operator==(const ModelParameters&, const ModelParameters&) = default;
};

/// Whether trials made with `a` and with `b` are the same trials: every parameter but the
/// batch size (which only decides when a batch ends) equal, the reals bit for bit.
inline bool sameTrials(const ModelParameters& a, const ModelParameters& b)
{
    const auto bits = [](float value) { return std::bit_cast<std::uint32_t>(value); };
    return bits(a.q) == bits(b.q) && bits(a.threshold) == bits(b.threshold) && a.t1x == b.t1x &&
           a.t1y == b.t1y && a.t2x == b.t2x && a.t2y == b.t2y && a.noise == b.noise;
}

}  // namespace brenvik
