#pragma once
// Inputs the model takes but that few mean: a width of 0, below 0 or infinite, a
// threshold below 0 or at 1 and above. Which of them a set of inputs holds is decided
// here once; the tool and the windows each say it in their own words.

#include "model/model_parameters.h"

#include <vector>

namespace brenvik {

enum class InputWarning {
    zeroWidth,             ///< every intensity is NaN: every trial counts as resolved
    infiniteWidth,         ///< either sign: every intensity is 0; without noise every trial resolved
    negativeWidth,         ///< negative intensities: resolved when the peaks do not stand out
    negativeThreshold,     ///< resolved even when the peaks lie below the cell mean
    thresholdOfOneOrMore,  ///< nothing is resolved while the cell mean is above 0
};

/// The warnings `parameters` call for, the width's first. The threshold is judged only
/// when `thresholdUsed` (a threshold sweep or a threshold map replaces it).
std::vector<InputWarning> inputWarnings(const ModelParameters& parameters, bool thresholdUsed);

}  // namespace brenvik
