#pragma once
// The sweep's state that outlives one tick.

#include <cstdint>

namespace brenvik {

struct SweepState {
    bool active = false;    ///< a sweep is running (SweepActive)
    std::uint8_t step = 0;  ///< the step counter s, 0 … 121 (SweepStep)
};

}  // namespace brenvik
