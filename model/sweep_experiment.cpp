#include "model/sweep_experiment.h"

#include "model/number_text.h"
#include "model/sweep_steps.h"

namespace brenvik {

void applySweepStep(int s, const SweptParameters& vary, TFrameInputs& inputs, NoiseSettings& noise)
{
    if (vary.position) {
        inputs.T2X = static_cast<std::int8_t>(sweepPosition(s));
        inputs.T2Y = inputs.T2X;
    }
    if (vary.noise) {
        noise.enabled = true;
        noise.level = sweepNoiseLevel(s);
    }
    if (vary.threshold) {
        // The threshold goes through its text as it does in the main window; the
        // separator does not change the value.
        inputs.Threshold = toSingle(textToReal(sweepThresholdText(s, '.'), '.'));
    }
}

void runSweep(const SweepSettings& settings, const std::function<void(const SweepStepResult&)>& onStep)
{
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    for (int s = 0; s <= kSweepLastParameterStep; ++s) {
        SweepStepResult result;
        result.step = s;
        result.inputs = settings.base;
        result.noise = settings.noise;
        applySweepStep(s, settings.vary, result.inputs, result.noise);
        for (std::int64_t i = 0; i < settings.trialsPerStep; ++i) {
            if (evaluator.evaluate(result.inputs, result.noise, generator).resolved)
                ++result.resolved;
        }
        result.trials = settings.trialsPerStep;
        onStep(result);
    }
}

} // namespace brenvik
