#pragma once
// Confidence bounds for a share of resolved trials.

namespace brenvik {

/// z for a two-sided 95 % interval.
inline constexpr double kZ95 = 1.959963984540054;

struct Interval {
    double low = 0.0;
    double high = 1.0;
};

/// Wilson score interval of `successes` out of `trials` (trials > 0):
///   (p̂ + z²/2n ± z·√(p̂(1 − p̂)/n + z²/4n²)) / (1 + z²/n).
/// Unlike the normal approximation it stays within 0 … 1 and is not empty at p̂ = 0 or 1.
Interval wilsonInterval(long long successes, long long trials, double z = kZ95);

}  // namespace brenvik
