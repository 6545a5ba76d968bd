#include "model/parameter_columns.h"

#include "model/shortest_text.h"

namespace brenvik {

std::string sweptParameterColumns(const TFrameInputs& inputs, const NoiseSettings& noise)
{
    return std::to_string(inputs.T2X) + ',' + std::to_string(inputs.T2Y) + ',' +
           (noise.enabled ? std::to_string(noise.level) : std::string("off")) + ',' +
           shortestText(inputs.Threshold);
}

}  // namespace brenvik
