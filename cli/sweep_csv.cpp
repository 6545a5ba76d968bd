#include "cli/sweep_csv.h"

#include "model/shortest_text.h"
#include "model/statistics.h"

#include <string>

namespace brenvik::cli {

void writeSweepCsvRow(std::ostream& out, const SweepStepResult& r, ExpectedProbability& expected)
{
    const Interval ci = wilsonInterval(r.resolved, r.trials);
    const double share = static_cast<double>(r.resolved) / static_cast<double>(r.trials);
    out << r.step << ',' << int{r.inputs.T2X} << ',' << int{r.inputs.T2Y} << ','
        << (r.noise.enabled ? std::to_string(r.noise.level) : "off") << ','
        << shortestText(r.inputs.Threshold) << ',' << r.resolved << ',' << r.trials << ','
        << shortestText(share) << ',' << shortestText(ci.low) << ',' << shortestText(ci.high) << ','
        << shortestText(expected(r.inputs, r.noise)) << '\n';
}

}  // namespace brenvik::cli
