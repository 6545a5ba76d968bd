#include "model/trials.h"

#include "model/number_text.h"

namespace brenvik {

std::optional<float> TrialCounter::countTrial(bool resolved, std::uint8_t batchSize)
{
    if (resolved)
        ++m_resolved;
    ++m_tests;
    if (TestCount() != batchSize)
        return std::nullopt;
    const float probability = roundedQuotient(static_cast<float>(m_resolved), m_tests);
    reset();
    return probability;
}

Extended shownProbability(float probability)
{
    const auto hundredths = static_cast<long long>(static_cast<Extended>(probability) * 100);
    return static_cast<Extended>(hundredths) / 100;
}

std::string probabilityText(float probability, char separator)
{
    return realToText(shownProbability(probability), separator);
}

}  // namespace brenvik
