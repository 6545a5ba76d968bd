#pragma once
// A parameter sweep run cleanly: for every step 0 … 120 the varied parameters are set
// exactly as the sweep of the main window sets them, and a fixed number of trials is
// made with those parameters alone and counted exactly (not in 8-bit batches). All
// draws come from one generator that starts from 0.

#include "model/frame.h"

#include <cstdint>
#include <functional>

namespace brenvik {

struct SweptParameters {
    bool position = true;   ///< T2 := (s − 60, s − 60)
    bool noise = false;     ///< noise on, level s ÷ 4
    bool threshold = false; ///< the threshold text t ÷ 100, read back as a frame reads it
};

struct SweepSettings {
    TFrameInputs base;          ///< parameters that are not varied
    NoiseSettings noise;        ///< noise when it is not varied
    SweptParameters vary;
    std::int64_t trialsPerStep = 5;
};

struct SweepStepResult {
    int step = 0;
    TFrameInputs inputs;        ///< the parameters these trials were made with
    NoiseSettings noise;
    std::int64_t resolved = 0;
    std::int64_t trials = 0;
};

/// The inputs and noise of step s.
void applySweepStep(int s, const SweptParameters& vary, TFrameInputs& inputs, NoiseSettings& noise);

/// Runs steps 0 … 120 and hands each step's counts to `onStep` as soon as it is done.
void runSweep(const SweepSettings& settings, const std::function<void(const SweepStepResult&)>& onStep);

} // namespace brenvik
