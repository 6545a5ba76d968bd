#pragma once
// A parameter sweep run cleanly: for every step 0 … 120 the varied parameters are set
// exactly as the sweep of the main window sets them, and a fixed number of trials is
// made with those parameters alone and counted exactly (not in 8-bit batches). All
// draws come from one generator that starts from 0. The draws a trial makes are known
// in advance, so the trials of a step can be split over threads, and a run of some of
// the steps can start where the whole sweep would be, with counts that do not depend
// on either.

#include "model/frame.h"
#include "model/sweep_steps.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace brenvik {

struct SweepSettings {
    ModelParameters base;  ///< parameters that are not varied, the noise among them
    SweptParameters vary;
    std::int64_t trialsPerStep = 5;
    int firstStep = 0;  ///< the steps run: firstStep … lastStep
    int lastStep = kSweepLastParameterStep;
    unsigned threads = 1;                             ///< each step's trials are split over these
    std::atomic<std::int64_t>* trialsDone = nullptr;  ///< when set, counts the trials made so far
};

struct SweepStepResult {
    int step = 0;
    ModelParameters parameters;  ///< the parameters these trials were made with
    std::int64_t resolved = 0;
    std::int64_t trials = 0;
};

/// Sets the parameters that step s varies.
void applySweepStep(int s, const SweptParameters& vary, ModelParameters& parameters);

/// Runs steps firstStep … lastStep and hands each step's counts to `onStep`, in order,
/// as soon as the step is done.
void runSweep(const SweepSettings& settings, const std::function<void(const SweepStepResult&)>& onStep);

}  // namespace brenvik
