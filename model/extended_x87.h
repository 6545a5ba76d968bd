#pragma once
// The x87 extended format as the compiler's own long double: GCC and Clang on x86-64,
// MinGW included. The model's steps are written out in it as plain expressions.

#include "model/decimal_digits.h"

#include <cmath>
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::radix == 2 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "long double is not the x87 extended format here: build with BRENVIK_SOFTWARE_EXTENDED");

namespace brenvik::x87 {

using Extended = long double;

inline constexpr int kMaxExponent10 = std::numeric_limits<long double>::max_exponent10;

inline bool isNaN(Extended x) { return std::isnan(x); }
inline bool isInfinite(Extended x) { return std::isinf(x); }
inline bool isFinite(Extended x) { return std::isfinite(x); }

/// Round an extended value to single precision (round to nearest, ties to even).
inline float toSingle(Extended value) { return static_cast<float>(value); }

/// 10^k to the nearest extended value. Not the C library's powl, which is off by an ulp
/// for some k and differs between libraries (extended_x87.cpp).
Extended powerOfTen(int k);

namespace detail {
// 2π to the full 64-bit significand.
constexpr long double kTwoPi = 6.283185307179586476925286766559005768L;
}  // namespace detail

/// e^(-s / (2Q·Q)) / (√(2π)·Q): every step in 64 bits, then rounded to single.
inline float pointSpread(std::int32_t s, float Q)
{
    const Extended q = Q;
    const Extended exponent = static_cast<Extended>(-s) / ((2.0L * q) * q);
    const Extended g = std::exp(exponent);
    const Extended n = 1.0L / (std::sqrt(detail::kTwoPi) * q);
    return toSingle(g * n);
}

inline float roundedProduct(float a, std::int32_t k) { return toSingle(static_cast<Extended>(a) * k); }
inline float roundedSumProduct(float a, float b, std::int32_t k)
{
    return toSingle((static_cast<Extended>(a) + b) * k);
}
inline float roundedSum(float a, std::int32_t d) { return toSingle(static_cast<Extended>(a) + d); }
inline float roundedSum(float a, float b, float c) { return toSingle((static_cast<Extended>(a) + b) + c); }
inline float roundedQuotient(float a, std::int32_t d) { return toSingle(static_cast<Extended>(a) / d); }
inline bool exceedsDifference(float t, float p, float m)
{
    return static_cast<Extended>(t) * p > static_cast<Extended>(p) - m;
}

/// printf's %.*Le, which glibc and MinGW round correctly (ties to the even digit).
DecimalDigits decimalDigits(Extended x, int count);

}  // namespace brenvik::x87
