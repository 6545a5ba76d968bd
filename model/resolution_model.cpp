#include "model/resolution_model.h"

namespace brenvik {

FrameOutcome ResolutionModel::runFrame(const TFrameInputs& inputs, const NoiseSettings& noise,
                                       SurfaceSamples* samples)
{
    FrameOutcome outcome;
    outcome.frame = m_evaluator.evaluate(inputs, noise, m_noise, samples);
    countTrial(outcome, inputs, noise);
    return outcome;
}

FrameOutcome ResolutionModel::runTrial(const TFrameInputs& inputs, const NoiseSettings& noise)
{
    FrameOutcome outcome;
    outcome.frame = m_trialEvaluator.evaluate(inputs, noise, m_noise);
    countTrial(outcome, inputs, noise);
    return outcome;
}

void ResolutionModel::countTrial(FrameOutcome& outcome, const TFrameInputs& inputs,
                                 const NoiseSettings& noise)
{
    m_batchTrials.add(TrialParameters::of(inputs, noise));
    outcome.Probability = m_trials.countTrial(outcome.frame.resolved, inputs.BatchSize);
    if (outcome.Probability) {
        outcome.batchTrials = m_batchTrials;
        m_batchTrials = {};
    }
}

void ResolutionModel::startBatch()
{
    m_trials.reset();
    m_batchTrials = {};
}

}  // namespace brenvik
