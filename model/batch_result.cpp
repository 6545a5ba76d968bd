#include "model/batch_result.h"

#include "model/number_text.h"
#include "model/trials.h"

namespace brenvik {

void BatchTrials::add(const ModelParameters& parameters)
{
    if (m_trials == 0)
        m_first = parameters;
    if (m_trials == 0 || !sameTrials(parameters, m_last))
        m_trialsAtLast = 0;
    m_last = parameters;
    ++m_trials;
    ++m_trialsAtLast;
}

BatchResult batchResult(float probability, const BatchTrials& trials, char separator)
{
    const Extended shown = shownProbability(probability);
    return {probability, shown, realToText(shown, separator), trials};
}

}  // namespace brenvik
