#pragma once
// Point-spread intensity of one source at one sample point of the sensor.
//
//   SourceIntensity = exp(-(dx² + dy²) / (2·Q²)) / (Q·√(2π))
//
// dx = SX − X and dy = SY − Y are formed in 8 bits and read as signed, so they wrap
// modulo 256. The normalising factor is the one-dimensional Gaussian's, so the peak
// falls as 1/Q. Everything after the squared distance is carried in extended precision
// and only the final product is rounded to single:
//   Q = 0 (either sign) gives NaN everywhere; a negative Q gives the negative of the
//   value for |Q|; a tiny Q underflows to 0 off the source and overflows to +inf on it.

#include "model/extended.h"

#include <cstdint>

namespace brenvik {

/// Squared distance between a sample point and a source, each difference wrapped to
/// signed 8 bits. At most 2·128² = 32768.
inline std::int32_t squaredDistance(std::int8_t X, std::int8_t Y, std::int8_t SX, std::int8_t SY)
{
    const auto dx = static_cast<std::int8_t>(SX - X);
    const auto dy = static_cast<std::int8_t>(SY - Y);
    return std::int32_t{dx} * dx + std::int32_t{dy} * dy;
}

inline constexpr std::int32_t kMaxSquaredDistance = 2 * 128 * 128;

/// The point-spread value for a given squared distance s (the part of
/// SourceIntensity after step 2), computed anew on every call.
float intensityAtSquaredDistance(std::int32_t s, float Q);

/// Illumination that a source at (SX, SY) of width Q delivers at the sample point (X, Y).
inline float SourceIntensity(std::int8_t X, std::int8_t Y, std::int8_t SX, std::int8_t SY, float Q)
{
    return intensityAtSquaredDistance(squaredDistance(X, Y, SX, SY), Q);
}

}  // namespace brenvik
