#pragma once
// One option's text made into its value; each conversion refuses it with a message (a
// UsageError) that names the option.

#include "cli/options.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brenvik::cli {

struct OptionValue {
    std::string_view name;
    std::string_view text;
    std::int64_t low = 0, high = 0;  ///< a whole number's range (each of a pair's, both ends')

    /// A decimal number with "." or "," as separator, rounded to single precision.
    float real() const;
    /// Above 0 and at most 1, exactly as the text says it.
    double probability() const;
    /// Any 32-bit whole number.
    std::int32_t integer() const;
    std::int32_t inRange() const { return inRange(text); }
    /// X,Y, each in the range.
    void position(std::int8_t& x, std::int8_t& y) const;
    /// "none", or a comma list of position, noise, threshold.
    SweptParameters swept() const;
    /// Plain digits in the range.
    unsigned count() const;
    /// A-B, both in the range and A <= B.
    void steps(int& first, int& last) const;

private:
    std::int32_t inRange(std::string_view part) const;
    /// `convert()`, or the conversion's message after the option's name.
    template <typename Convert>
    auto converted(Convert convert) const;
    [[noreturn]] void refuse(const std::string& message) const;
};

}  // namespace brenvik::cli
