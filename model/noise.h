#pragma once
// The program's one random-number generator: a 32-bit linear congruential generator
// that starts from 0 and is never reseeded, so every run draws the same sequence.

#include <cstdint>

namespace brenvik {

/// One step of the generator: state × multiplier + increment, mod 2³².
inline constexpr std::uint32_t kNoiseMultiplier = 134775813u;
inline constexpr std::uint32_t kNoiseIncrement = 1u;

struct NoiseGenerator {
    /// Generator state; 0 at program start, advanced by every draw.
    std::uint32_t NoiseSeed = 0;

    /// Advance the state (× 134775813 + 1, mod 2³²), then return
    /// ⌊NoiseSeed · Range / 2³²⌋, a number in 0 … Range − 1 (0 for Range 0 or 1).
    /// Range is taken as an unsigned 32-bit number.
    std::int32_t NoiseDraw(std::int32_t Range)
    {
        NoiseSeed = NoiseSeed * kNoiseMultiplier + kNoiseIncrement;
        return drawFromState(NoiseSeed, Range);
    }

    /// The number a draw returns once the state has been advanced to `state`.
    static std::int32_t drawFromState(std::uint32_t state, std::int32_t Range)
    {
        const auto product = std::uint64_t{state} * static_cast<std::uint32_t>(Range);
        return static_cast<std::int32_t>(product >> 32);
    }
};

}  // namespace brenvik
