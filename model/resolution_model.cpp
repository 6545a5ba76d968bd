#include "model/resolution_model.h"

namespace brenvik {

FrameOutcome ResolutionModel::runFrame(const TFrameInputs& inputs, const NoiseSettings& noise,
                                       SurfaceSamples* samples)
{
    FrameOutcome outcome;
    outcome.frame = m_evaluator.evaluate(inputs, noise, m_noise, samples);
    outcome.Probability = m_trials.countTrial(outcome.frame.resolved, inputs.BatchSize);
    return outcome;
}

FrameOutcome ResolutionModel::runTrial(const TFrameInputs& inputs, const NoiseSettings& noise)
{
    FrameOutcome outcome;
    outcome.frame = m_trialEvaluator.evaluate(inputs, noise, m_noise);
    outcome.Probability = m_trials.countTrial(outcome.frame.resolved, inputs.BatchSize);
    return outcome;
}

} // namespace brenvik
