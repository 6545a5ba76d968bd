#include "model/sweep_stepper.h"

namespace brenvik {

SweepTick sweepTick(std::uint8_t step, const SweptParameters& vary, std::uint8_t testCount)
{
    SweepTick tick;
    tick.set = stepSetting(step, vary);
    tick.advanced = testCount == 1;
    tick.step = static_cast<std::uint8_t>(step + (tick.advanced ? 1 : 0));
    // Nothing is drawn for steps 0 and 1: the first line runs from the curve's start to step 2.
    tick.plot = tick.step > 1;
    tick.ended = tick.step == kSweepEndStep;
    return tick;
}

}  // namespace brenvik
