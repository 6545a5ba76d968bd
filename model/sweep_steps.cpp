#include "model/sweep_steps.h"

#include "model/number_text.h"

namespace brenvik {

std::int32_t sweepThresholdHundredths(int s)
{
    // 1.2 as the extended value nearest to it.
    static const Extended kStepsPerHundredth = Extended(12) / 10;
    return static_cast<std::int32_t>(static_cast<Extended>(s) / kStepsPerHundredth);
}

std::string thresholdText(std::int32_t hundredths, char separator)
{
    return realToText(static_cast<Extended>(hundredths) / 100, separator);
}

float thresholdValue(std::int32_t hundredths)
{
    // Through the text, as the main window reads it; the separator does not change the value.
    return toSingle(textToReal(thresholdText(hundredths, '.'), '.'));
}

StepSetting stepSetting(int s, const SweptParameters& vary)
{
    StepSetting set;
    if (vary.position)
        set.position = sweepPosition(s);
    if (vary.noise)
        set.noiseLevel = sweepNoiseLevel(s);
    if (vary.threshold)
        set.thresholdHundredths = sweepThresholdHundredths(s);
    return set;
}

std::int32_t curveHeight(Extended P) { return static_cast<std::int32_t>(200 * P); }

}  // namespace brenvik
