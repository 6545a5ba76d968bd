#pragma once
// Jumping the noise generator ahead. n steps of s → a·s + c (mod 2³²) are again one map
// of that form, found by repeated squaring in O(log n), so a trial can skip the draws
// of the samples it does not need and a thread can start at its first trial's state.

#include "model/noise.h"

#include <cstdint>

namespace brenvik {

struct NoiseJump {
    std::uint32_t multiplier = 1;
    std::uint32_t increment = 0;

    constexpr std::uint32_t apply(std::uint32_t state) const { return multiplier * state + increment; }

    /// This jump followed by `next`.
    constexpr NoiseJump then(const NoiseJump& next) const
    {
        return {next.multiplier * multiplier, next.multiplier * increment + next.increment};
    }

    /// n steps of the generator, n draws.
    static constexpr NoiseJump steps(std::uint64_t n)
    {
        NoiseJump result;
        NoiseJump power{kNoiseMultiplier, kNoiseIncrement};
        for (; n != 0; n >>= 1) {
            if (n & 1u)
                result = result.then(power);
            power = power.then(power);
        }
        return result;
    }
};

}  // namespace brenvik
