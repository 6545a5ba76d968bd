#include "model/parameter_columns.h"

#include "model/shortest_text.h"

namespace brenvik {

std::string sweptParameterColumns(const ModelParameters& p)
{
    return std::to_string(p.t2x) + ',' + std::to_string(p.t2y) + ',' +
           (p.noise.enabled ? std::to_string(p.noise.level) : std::string("off")) + ',' +
           shortestText(p.threshold);
}

}  // namespace brenvik
