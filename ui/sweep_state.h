#pragma once
// The sweep's state that outlives one tick.

#include <cstdint>

namespace brenvik {

struct SweepState {
    bool SweepActive = false;    ///< a sweep is running
    std::uint8_t SweepStep = 0;  ///< the step counter s, 0 … 121
};

}  // namespace brenvik
