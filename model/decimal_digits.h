#pragma once

#include <string>

namespace brenvik {

/// The first significant decimal digits of a value, rounded to nearest with ties to the
/// even digit, and the decimal exponent of the first: what printf's %.*Le shows.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  ///< empty for NaN and infinity
    int exponent = 0;
};

}  // namespace brenvik
