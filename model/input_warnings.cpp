#include "model/input_warnings.h"

#include <cmath>

namespace brenvik {

std::vector<InputWarning> inputWarnings(const ModelParameters& parameters, bool thresholdUsed)
{
    std::vector<InputWarning> warnings;
    const float Q = parameters.q;
    // An infinite width of either sign makes every intensity 0 (-0 when negative).
    if (Q == 0.0f)
        warnings.push_back(InputWarning::zeroWidth);
    else if (std::isinf(Q))
        warnings.push_back(InputWarning::infiniteWidth);
    else if (Q < 0.0f)
        warnings.push_back(InputWarning::negativeWidth);
    if (!thresholdUsed)
        return warnings;
    const float threshold = parameters.threshold;
    if (threshold < 0.0f)
        warnings.push_back(InputWarning::negativeThreshold);
    else if (threshold >= 1.0f)
        warnings.push_back(InputWarning::thresholdOfOneOrMore);
    return warnings;
}

}  // namespace brenvik
