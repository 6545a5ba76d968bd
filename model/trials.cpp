#include "model/trials.h"

#include "model/number_text.h"

namespace brenvik {

std::optional<float> TrialCounter::countTrial(bool resolved, std::uint8_t BatchSize)
{
    if (resolved)
        ++m_resolved;
    ++m_tests;
    if (TestCount() != BatchSize)
        return std::nullopt;
    const float probability = toSingle(static_cast<Extended>(m_resolved) / m_tests);
    reset();
    return probability;
}

Extended shownProbability(float Probability)
{
    const auto hundredths = static_cast<long long>(static_cast<Extended>(Probability) * 100);
    return static_cast<Extended>(hundredths) / 100;
}

std::string probabilityText(float Probability, char separator)
{
    return realToText(shownProbability(Probability), separator);
}

}  // namespace brenvik
