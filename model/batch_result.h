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

/// The parameters a sweep varies, as one trial was made with them, and those it keeps
/// (the width and T1's position), so that the trial can be made or reckoned again.
struct TrialParameters {
    std::int8_t T2X = 0, T2Y = 0;
    NoiseSettings noise;
    float Threshold = 0.0f;
    float Q = 0.0f;
    std::int8_t T1X = 0, T1Y = 0;

    static TrialParameters of(const TFrameInputs& inputs, const NoiseSettings& noise)
    {
        return {inputs.T2X, inputs.T2Y, noise, inputs.Threshold, inputs.Q, inputs.T1X, inputs.T1Y};
    }
    /// The frame's inputs for such a trial (the batch size aside).
    TFrameInputs inputs() const
    {
        TFrameInputs in;
        in.Q = Q;
        in.Threshold = Threshold;
        in.T1X = T1X;
        in.T1Y = T1Y;
        in.T2X = T2X;
        in.T2Y = T2Y;
        return in;
    }
    friend bool operator==(const TrialParameters&, const TrialParameters&) = default;
};

/// The parameters of a batch's trials: the first trial's, the last trial's, and how many
/// trials at the end of the batch were made with the last ones.
class BatchTrials {
public:
    void add(const TrialParameters& parameters);

    const TrialParameters& first() const { return m_first; }
    const TrialParameters& last() const { return m_last; }
    std::int64_t trials() const { return m_trials; }
    std::int64_t trialsAtLast() const { return m_trialsAtLast; }
    /// All trials were made with one set of parameters.
    bool uniform() const { return m_trialsAtLast == m_trials; }

private:
    TrialParameters m_first, m_last;
    std::int64_t m_trials = 0;
    std::int64_t m_trialsAtLast = 0;
};

struct BatchResult {
    float Probability = 0.0f;  ///< share of resolved trials, single precision
    Extended shown = 0;        ///< ⌊Probability × 100⌋ / 100: what the box shows and the sweep plots
    std::string text;          ///< `shown` in the general number format
    BatchTrials trials;
};

BatchResult batchResult(float Probability, const BatchTrials& trials, char separator);

}  // namespace brenvik
