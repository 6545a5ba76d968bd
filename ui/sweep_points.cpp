#include "ui/sweep_points.h"

#include "model/number_text.h"
#include "model/parameter_columns.h"
#include "model/shortest_text.h"

namespace brenvik {

std::string sweepCsv(const std::vector<SweepPoint>& points)
{
    std::string csv = "step,probability,trials,first_t2x,first_t2y,first_noise,first_threshold,"
                      "last_t2x,last_t2y,last_noise,last_threshold,last_trials,p_expected\n";
    for (const SweepPoint& p : points) {
        csv += std::to_string(p.step) + ',' + realToText(p.probability, '.') + ',' +
               std::to_string(p.trials.trials()) + ',' + sweptParameterColumns(p.trials.first()) + ',' +
               sweptParameterColumns(p.trials.last()) + ',' + std::to_string(p.trials.trialsAtLast()) + ',' +
               shortestText(p.expected) + '\n';
    }
    return csv;
}

}  // namespace brenvik
