#pragma once
// What a completed batch leaves behind: the share of resolved trials, the value and text
// shown for it, and the parameters its trials were made with. A sweep's batch makes its
// first trials at one step and the rest at the next, so a level on the curve belongs to
// two parameter sets; the record says which.

#include "model/extended.h"
#include "model/frame.h"

#include <cstdint>
#include <string>

namespace brenvik {

/// The parameters of a batch's trials: the first trial's, the last trial's, and how many
/// trials at the end of the batch were made with the last ones.
class BatchTrials {
public:
    void add(const ModelParameters& parameters);

    const ModelParameters& first() const { return m_first; }
    const ModelParameters& last() const { return m_last; }
    std::int64_t trials() const { return m_trials; }
    std::int64_t trialsAtLast() const { return m_trialsAtLast; }
    /// All trials were made with one set of parameters.
    bool uniform() const { return m_trialsAtLast == m_trials; }

private:
    ModelParameters m_first, m_last;
    std::int64_t m_trials = 0;
    std::int64_t m_trialsAtLast = 0;
};

struct BatchResult {
    float Probability = 0.0f;  ///< share of resolved trials, single precision
    Extended shown = 0;        ///< ⌊Probability × 100⌋ / 100: what the box shows and the sweep plots
    std::string text;          ///< `shown` in the general number format
    BatchTrials trials;
};

BatchResult batchResult(float probability, const BatchTrials& trials, char separator);

}  // namespace brenvik
