#include "model/sweep_steps.h"

#include "model/number_text.h"

namespace brenvik {

std::int32_t sweepThresholdHundredths(int s)
{
    return static_cast<std::int32_t>(static_cast<Extended>(s) / 1.2L);
}

std::string sweepThresholdText(int s, char separator)
{
    return realToText(static_cast<Extended>(sweepThresholdHundredths(s)) / 100, separator);
}

std::int32_t curveHeight(Extended P)
{
    return static_cast<std::int32_t>(200 * P);
}

} // namespace brenvik
