// Built twice: as hardware_path with the model as configured, and as software_path
// against the model compiled with the software extended type (see tests/CMakeLists.txt).

#include "model/identity/path.h"

#include "model/expected_probability.h"
#include "model/frame.h"
#include "model/number_text.h"
#include "model/sweep_steps.h"
#include "model/trial.h"
#include "model/trials.h"

#include <bit>
#include <cmath>
#include <memory>

namespace IDENTITY_PATH {

namespace {

using namespace brenvik;

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

ModelParameters parametersOf(const identity::Inputs& in)
{
    ModelParameters p;
    p.q = in.Q;
    p.threshold = in.Threshold;
    p.t1x = in.T1X;
    p.t1y = in.T1Y;
    p.t2x = in.T2X;
    p.t2y = in.T2Y;
    p.noise = {in.noise, in.level};
    return p;
}

identity::Outcome outcome(const FrameResult& r, const NoiseGenerator& generator)
{
    identity::Outcome o;
    o.Peak1 = bits(r.peak1);
    o.Peak2 = bits(r.peak2);
    o.CellSum = bits(r.cellSum);
    o.CellMean = bits(r.cellMean);
    o.seedAfter = generator.NoiseSeed;
    o.resolved = r.resolved;
    return o;
}

Extended fromParts(bool negative, std::uint64_t significand, int exponent)
{
#if defined(BRENVIK_SOFTWARE_EXTENDED)
    return software::Extended::fromParts(negative, significand, exponent);
#else
    const long double magnitude = std::ldexp(static_cast<long double>(significand), exponent);
    return negative ? -magnitude : magnitude;
#endif
}

}  // namespace

identity::Outcome frame(const identity::Inputs& in)
{
    NoiseGenerator generator{in.seed};
    FrameEvaluator evaluator;
    auto samples = std::make_unique<SurfaceSamples>();
    identity::Outcome o = outcome(evaluator.evaluate(parametersOf(in), generator, samples.get()), generator);
    std::uint64_t hash = 14695981039346656037u;
    for (const TGridSample& s : *samples) {
        for (std::uint32_t word : {bits(s.Intensity1), bits(s.Intensity2)}) {
            hash = (hash ^ word) * 1099511628211u;
        }
    }
    o.surfaceHash = hash;
    return o;
}

identity::Outcome trial(const identity::Inputs& in)
{
    NoiseGenerator generator{in.seed};
    TrialEvaluator evaluator;
    return outcome(evaluator.evaluate(parametersOf(in), generator), generator);
}

double expected(const identity::Inputs& in) { return expectedProbability(parametersOf(in)); }

std::optional<identity::Parsed> parse(std::string_view text, char separator)
{
    const std::optional<Extended> value = parseReal(text, separator);
    if (!value)
        return std::nullopt;
    identity::Parsed p;
    const DecimalDigits d = decimalDigits(*value, 21);
    p.digits = (d.negative ? "-" : "") + d.digits + "e" + std::to_string(d.exponent);
    p.single = bits(toSingle(*value));
    p.text = realToText(*value, separator);
    return p;
}

std::string text(bool negative, std::uint64_t significand, int exponent, char separator)
{
    return realToText(fromParts(negative, significand, exponent), separator);
}

std::string probabilityText(float probability, char separator)
{
    return brenvik::probabilityText(probability, separator) + " " +
           std::to_string(curveHeight(shownProbability(probability)));
}

std::int32_t sweepThresholdHundredths(int step) { return brenvik::sweepThresholdHundredths(step); }

}  // namespace IDENTITY_PATH
