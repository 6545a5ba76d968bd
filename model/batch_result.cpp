#include "model/batch_result.h"

#include "model/number_text.h"
#include "model/trials.h"

namespace brenvik {

void BatchTrials::add(const TrialParameters& parameters)
{
    if (m_trials == 0)
        m_first = parameters;
    if (m_trials == 0 || !(parameters == m_last))
        m_trialsAtLast = 0;
    m_last = parameters;
    ++m_trials;
    ++m_trialsAtLast;
}

BatchResult batchResult(float Probability, const BatchTrials& trials, char separator)
{
    const Extended shown = shownProbability(Probability);
    return {Probability, shown, realToText(shown, separator), trials};
}

}  // namespace brenvik
