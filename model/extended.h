#pragma once
// The model's arithmetic is defined in the x87 80-bit extended format: intermediate
// results carry a 64-bit significand and are rounded to single precision only where
// the model says so. The same rules on every processor: where the compiler's long double
// is that format (GCC and Clang on x86-64, MinGW) it is used as it is; elsewhere, or
// with BRENVIK_SOFTWARE_EXTENDED defined, a software type gives the same results bit
// for bit. The model uses only the names below.

#include <limits>

static_assert(std::numeric_limits<float>::is_iec559, "Brenvik needs IEEE 754 single precision for float");

#if defined(BRENVIK_SOFTWARE_EXTENDED)
#include "model/extended_software.h"
namespace brenvik {
namespace arithmetic = software;
}
#else
#include "model/extended_x87.h"
namespace brenvik {
namespace arithmetic = x87;
}
#endif

namespace brenvik {

using arithmetic::decimalDigits;
using arithmetic::exceedsDifference;
using arithmetic::Extended;
using arithmetic::isFinite;
using arithmetic::isInfinite;
using arithmetic::isNaN;
using arithmetic::kMaxExponent10;
using arithmetic::pointSpread;
using arithmetic::powerOfTen;
using arithmetic::roundedProduct;
using arithmetic::roundedQuotient;
using arithmetic::roundedSum;
using arithmetic::roundedSumProduct;
using arithmetic::toSingle;

}  // namespace brenvik
