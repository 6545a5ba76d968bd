#pragma once
// The model's arithmetic is defined in the x87 80-bit extended format: intermediate
// results carry a 64-bit significand and are rounded to single precision only where
// the model says so. GCC on x86-64 gives exactly that type as `long double`.

#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::radix == 2 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "Brenvik needs long double to be the 80-bit x87 extended type "
              "(64-bit significand), as GCC provides it on x86-64");
static_assert(std::numeric_limits<float>::is_iec559, "Brenvik needs IEEE 754 single precision for float");

namespace brenvik {

using Extended = long double;

/// Round an extended value to single precision (round to nearest, ties to even).
inline float toSingle(Extended value) { return static_cast<float>(value); }

}  // namespace brenvik
