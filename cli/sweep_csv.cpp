#include "cli/sweep_csv.h"

#include "model/parameter_columns.h"
#include "model/shortest_text.h"
#include "model/statistics.h"

#include <string>

namespace brenvik::cli {

void writeSweepCsvRow(std::ostream& out, const SweepStepResult& r, ExpectedProbability& expected)
{
    const Interval ci = wilsonInterval(r.resolved, r.trials);
    const double share = static_cast<double>(r.resolved) / static_cast<double>(r.trials);
    out << r.step << ',' << sweptParameterColumns(r.parameters) << ',' << r.resolved << ',' << r.trials << ','
        << shortestText(share) << ',' << shortestText(ci.low) << ',' << shortestText(ci.high) << ','
        << shortestText(expected(r.parameters)) << '\n';
}

}  // namespace brenvik::cli
