#pragma once
// The model's state that the program holds once: the noise generator, the batch under
// way and the evaluator with its cached point-spread values. A test makes its own and
// starts from the program's start state.

#include "model/batch_result.h"
#include "model/frame.h"
#include "model/noise.h"
#include "model/trial.h"
#include "model/trials.h"

#include <optional>

namespace brenvik {

struct FrameOutcome {
    FrameResult frame;
    /// Set when this frame completed a batch.
    std::optional<float> probability;
    /// With probability: the parameters the completed batch's trials were made with.
    BatchTrials batchTrials;
};

class ResolutionModel {
public:
    /// One frame and its trial, counted toward the current batch.
    FrameOutcome runFrame(const ModelParameters& parameters, SurfaceSamples* samples = nullptr);

    /// The same trial from the midpoint cell alone, for callers that draw no samples:
    /// identical results, counts and generator state, at a fraction of the cost.
    FrameOutcome runTrial(const ModelParameters& parameters);

    /// Drops the trials of the batch under way.
    void startBatch();

    NoiseGenerator& noise() { return m_noise; }
    const TrialCounter& trials() const { return m_trials; }

private:
    void countTrial(FrameOutcome& outcome, const ModelParameters& parameters);

    NoiseGenerator m_noise;
    TrialCounter m_trials;
    BatchTrials m_batchTrials;
    FrameEvaluator m_evaluator;
    TrialEvaluator m_trialEvaluator;
};

}  // namespace brenvik
