#include "model/resolution_model.h"

namespace brenvik {

FrameOutcome ResolutionModel::runFrame(const ModelParameters& parameters, SurfaceSamples* samples)
{
    FrameOutcome outcome;
    outcome.frame = m_evaluator.evaluate(parameters, m_noise, samples);
    countTrial(outcome, parameters);
    return outcome;
}

FrameOutcome ResolutionModel::runTrial(const ModelParameters& parameters)
{
    FrameOutcome outcome;
    outcome.frame = m_trialEvaluator.evaluate(parameters, m_noise);
    countTrial(outcome, parameters);
    return outcome;
}

void ResolutionModel::countTrial(FrameOutcome& outcome, const ModelParameters& parameters)
{
    m_batchTrials.add(parameters);
    outcome.probability = m_trials.countTrial(outcome.frame.resolved, parameters.batchSize);
    if (outcome.probability) {
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
