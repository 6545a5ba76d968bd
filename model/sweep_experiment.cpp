#include "model/sweep_experiment.h"

#include "model/fp_environment.h"
#include "model/noise_jump.h"
#include "model/number_text.h"
#include "model/trial.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace brenvik {

namespace {

// Trials between two updates of the shared progress count.
constexpr std::int64_t kProgressChunk = 1 << 14;

ModelParameters stepParameters(const SweepSettings& settings, int s)
{
    ModelParameters parameters = settings.base;
    applySweepStep(s, settings.vary, parameters);
    return parameters;
}

std::uint64_t drawsPerTrial(const NoiseSettings& noise) { return noise.enabled ? kNoiseDrawsPerFrame : 0; }

std::int64_t countResolved(const TrialPlan& plan, std::uint32_t state, std::int64_t trials,
                           std::atomic<std::int64_t>* trialsDone)
{
    NoiseGenerator generator{state};
    std::int64_t resolved = 0;
    for (std::int64_t first = 0; first < trials; first += kProgressChunk) {
        const std::int64_t chunk = std::min(kProgressChunk, trials - first);
        for (std::int64_t i = 0; i < chunk; ++i)
            resolved += runTrial(plan, generator).resolved ? 1 : 0;
        if (trialsDone)
            trialsDone->fetch_add(chunk, std::memory_order_relaxed);
    }
    return resolved;
}

// The trials of one step from generator state `state`, split into equal shares; each
// share starts at its first trial's state, and the counts are summed.
std::int64_t countStep(const TrialPlan& plan, std::uint32_t state, std::int64_t trials, unsigned threads,
                       std::atomic<std::int64_t>* trialsDone)
{
    const NoiseSettings& noise = plan.parameters.noise;
    const auto shares =
        static_cast<std::int64_t>(std::max<std::int64_t>(1, std::min<std::int64_t>(threads, trials)));
    std::vector<std::int64_t> resolved(static_cast<std::size_t>(shares), 0);
    {
        std::vector<std::jthread> workers;
        for (std::int64_t i = 1; i < shares; ++i) {
            const std::int64_t first = trials * i / shares;
            const std::int64_t end = trials * (i + 1) / shares;
            const std::uint32_t start =
                NoiseJump::steps(static_cast<std::uint64_t>(first) * drawsPerTrial(noise)).apply(state);
            std::int64_t* share = &resolved[static_cast<std::size_t>(i)];
            try {
                workers.emplace_back([&plan, share, first, end, start, trialsDone] {
                    // The model's arithmetic needs its floating-point environment in every thread.
                    setModelFloatingPointEnvironment();
                    *share = countResolved(plan, start, end - first, trialsDone);
                });
            } catch (const std::system_error&) {
                // The system has no thread to spare: make this share here. The counts do
                // not depend on which thread makes them.
                *share = countResolved(plan, start, end - first, trialsDone);
            }
        }
        resolved[0] = countResolved(plan, state, trials / shares, trialsDone);
    }
    std::int64_t sum = 0;
    for (std::int64_t r : resolved)
        sum += r;
    return sum;
}

}  // namespace

void applySweepStep(int s, const SweptParameters& vary, ModelParameters& parameters)
{
    const StepSetting set = stepSetting(s, vary);
    if (set.position) {
        parameters.t2x = static_cast<std::int8_t>(*set.position);
        parameters.t2y = parameters.t2x;
    }
    if (set.noiseLevel) {
        parameters.noise = {true, *set.noiseLevel};
    }
    if (set.thresholdHundredths)
        parameters.threshold = thresholdValue(*set.thresholdHundredths);
}

void runSweep(const SweepSettings& settings, const std::function<void(const SweepStepResult&)>& onStep)
{
    const auto trials = static_cast<std::uint64_t>(settings.trialsPerStep);
    std::uint64_t drawsBefore = 0;
    for (int s = 0; s < settings.firstStep; ++s)
        drawsBefore += trials * drawsPerTrial(stepParameters(settings, s).noise);
    std::uint32_t state = NoiseJump::steps(drawsBefore).apply(0);

    for (int s = settings.firstStep; s <= settings.lastStep; ++s) {
        const ModelParameters p = stepParameters(settings, s);
        SweepStepResult result;
        result.step = s;
        result.parameters = p;
        result.trials = settings.trialsPerStep;
        result.resolved =
            countStep(planTrial(p), state, settings.trialsPerStep, settings.threads, settings.trialsDone);
        state = NoiseJump::steps(trials * drawsPerTrial(p.noise)).apply(state);
        onStep(result);
    }
}

}  // namespace brenvik
