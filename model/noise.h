#pragma once
// The program's one random-number generator: a 32-bit linear congruential generator
// that starts from 0 and is never reseeded, so every run draws the same sequence.

#include <cstdint>

namespace brenvik {

struct NoiseGenerator {
    /// Generator state; 0 at program start, advanced by every draw.
    std::uint32_t NoiseSeed = 0;

    /// Advance the state (× 134775813 + 1, mod 2³²), then return
    /// ⌊NoiseSeed · Range / 2³²⌋, a number in 0 … Range − 1 (0 for Range 0 or 1).
    /// Range is taken as an unsigned 32-bit number.
    std::int32_t NoiseDraw(std::int32_t Range)
    {
        NoiseSeed = NoiseSeed * 134775813u + 1u;
        const auto product = std::uint64_t{NoiseSeed} * static_cast<std::uint32_t>(Range);
        return static_cast<std::int32_t>(product >> 32);
    }
};

} // namespace brenvik
