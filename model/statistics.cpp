#include "model/statistics.h"

#include <algorithm>
#include <cmath>

namespace brenvik {

Interval wilsonInterval(long long successes, long long trials, double z)
{
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(successes) / n;
    const double z2 = z * z;
    const double denominator = 1.0 + z2 / n;
    const double centre = (p + z2 / (2.0 * n)) / denominator;
    const double half = z * std::sqrt(p * (1.0 - p) / n + z2 / (4.0 * n * n)) / denominator;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

} // namespace brenvik
