#pragma once
// Comparing a computed value with one quoted to a number of significant digits.

#include <gtest/gtest.h>

#include <cmath>

/// True when `value` rounds to `quoted` at the number of significant digits `quoted` is given with.
inline ::testing::AssertionResult matchesDigits(double value, double quoted, int digits)
{
    const double scale = std::pow(10.0, std::floor(std::log10(std::fabs(quoted))) - (digits - 1));
    if (std::fabs(value - quoted) <= 0.5 * scale * (1 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << value << " does not read " << quoted << " to " << digits << " significant digits";
}
