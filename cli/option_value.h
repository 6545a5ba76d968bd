#pragma once
// One option's text made into its value; each conversion refuses it with a message (a
// UsageError) that names the option.

#include "cli/option_table.h"

#include <cstdint>
#include <string_view>

namespace brenvik::cli {

class OptionValue {
public:
    OptionValue(const OptionSpec& option, std::string_view text) : m_option(option), m_text(text) {}

    /// A decimal number with "." or "," as separator, rounded to single precision.
    float real() const;
    /// Above 0 and at most 1.
    double probability() const;
    /// Any 32-bit whole number.
    std::int32_t integer() const;
    std::int32_t inRange() const { return inRange(m_text); }
    /// X,Y, each in the range.
    void position(std::int8_t& x, std::int8_t& y) const;
    /// "none", or a comma list of position, noise, threshold.
    SweptParameters swept() const;
    /// Plain digits in the range.
    unsigned count() const;
    /// A-B, both in the range and A <= B.
    void steps(int& first, int& last) const;
    /// One of the option's choices, applied.
    void choose(Options& options) const;

private:
    std::int32_t inRange(std::string_view text) const;
    [[noreturn]] void refuse(const std::string& message) const;

    const OptionSpec& m_option;
    std::string_view m_text;
};

}  // namespace brenvik::cli
