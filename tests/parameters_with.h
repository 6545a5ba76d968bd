#pragma once
// Tests name the noise apart from the rest of a parameter set, as their tables list it.

#include "model/model_parameters.h"

namespace brenvik {

/// `parameters` with `noise` in place of their own.
inline ModelParameters parametersWith(ModelParameters parameters, const NoiseSettings& noise)
{
    parameters.noise = noise;
    return parameters;
}

}  // namespace brenvik
