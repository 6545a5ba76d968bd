#pragma once
// One tick of a running sweep, without any window: from the step counter at the start of
// the tick, the varied parameters and the trials of the batch under way, what the tick
// sets, whether it advances the counter, draws the curve and ends the sweep. The main
// window applies it to its controls and the graph window draws.

#include "model/sweep_steps.h"

#include <cstdint>

namespace brenvik {

struct SweepTick {
    StepSetting set;        ///< set before the tick's frame, from the counter on entry
    std::uint8_t step = 0;  ///< the counter after the tick
    bool advanced = false;  ///< the counter moved on
    bool plot = false;      ///< draw the curve to the point of `step` at the latest level
    bool ended = false;     ///< the sweep ends with this tick (its frame still runs)
};

/// `step` is the counter (`SweepStep`) on entry; `testCount` is the batch's `TestCount` as
/// the last frame left it: 1 means that frame made the first trial of a new batch, and
/// only then does the counter advance, once per batch.
SweepTick sweepTick(std::uint8_t step, const SweptParameters& vary, std::uint8_t testCount);

}  // namespace brenvik
