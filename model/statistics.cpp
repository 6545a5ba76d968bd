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
    // With no successes the lower bound is exactly 0 and with all of them the upper bound
    // exactly 1; centre ∓ half leaves a rounding residue there (5.6e-17 at n = 3).
    const double low = successes == 0 ? 0.0 : std::max(0.0, centre - half);
    const double high = successes == trials ? 1.0 : std::min(1.0, centre + half);
    return {low, high};
}

}  // namespace brenvik
