#include "model/sweep_stepper.h"

namespace brenvik {

SweepTick sweepTick(std::uint8_t SweepStep, const SweptParameters& vary, std::uint8_t TestCount)
{
    SweepTick tick;
    tick.set = stepSetting(SweepStep, vary);
    tick.advanced = TestCount == 1;
    tick.step = static_cast<std::uint8_t>(SweepStep + (tick.advanced ? 1 : 0));
    // Nothing is drawn for steps 0 and 1: the first line runs from the curve's start to step 2.
    tick.plot = tick.step > 1;
    tick.ended = tick.step == kSweepEndStep;
    return tick;
}

}  // namespace brenvik
