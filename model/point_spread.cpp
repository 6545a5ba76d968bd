#include "model/point_spread.h"

#include <cmath>

namespace brenvik {

namespace {
// 2π to the full 64-bit significand.
constexpr Extended kTwoPi = 6.283185307179586476925286766559005768L;
}  // namespace

float intensityAtSquaredDistance(std::int32_t s, float Q)
{
    const Extended q = Q;
    const Extended exponent = static_cast<Extended>(-s) / ((2.0L * q) * q);
    const Extended g = std::exp(exponent);
    const Extended n = 1.0L / (std::sqrt(kTwoPi) * q);
    return toSingle(g * n);
}

}  // namespace brenvik
