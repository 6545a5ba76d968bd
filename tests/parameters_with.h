#pragma once
// Tests name the noise, or the two sources' places, apart from the rest of a parameter set,
// as their tables list them.

#include "model/model_parameters.h"

#include <cstdint>

namespace brenvik {

/// `parameters` with `noise` in place of their own.
inline ModelParameters parametersWith(ModelParameters parameters, const NoiseSettings& noise)
{
    parameters.noise = noise;
    return parameters;
}

/// The default parameters with the sources at (t1x, t1y) and (t2x, t2y), and the threshold
/// and Q given.
inline ModelParameters sources(int t1x, int t1y, int t2x, int t2y, float threshold = 0.27f, float q = 9.0f)
{
    ModelParameters parameters;
    parameters.q = q;
    parameters.threshold = threshold;
    parameters.t1x = static_cast<std::int8_t>(t1x);
    parameters.t1y = static_cast<std::int8_t>(t1y);
    parameters.t2x = static_cast<std::int8_t>(t2x);
    parameters.t2y = static_cast<std::int8_t>(t2y);
    return parameters;
}

}  // namespace brenvik
