#pragma once
// One option's text made into its value, or refused with a message that names the option.

#include "cli/option_table.h"
#include "model/sweep_experiment.h"

#include <cstdint>
#include <string_view>

namespace brenvik::cli {

/// A decimal number with "." or "," as separator, rounded to single precision.
float realValue(const OptionSpec& option, std::string_view text);

/// A probability above 0 and at most 1.
double probabilityValue(const OptionSpec& option, std::string_view text);

/// Any 32-bit whole number.
std::int32_t integerValue(const OptionSpec& option, std::string_view text);

/// A whole number in the option's range.
std::int32_t integerInRange(const OptionSpec& option, std::string_view text);

/// X,Y, each in the option's range.
void positionValue(const OptionSpec& option, std::string_view text, std::int8_t& x, std::int8_t& y);

/// "none", or a comma list of position, noise, threshold.
SweptParameters sweptValue(const OptionSpec& option, std::string_view text);

/// Plain digits in the option's range.
unsigned countValue(const OptionSpec& option, std::string_view text);

/// A-B with both in the option's range and A <= B.
void stepRangeValue(const OptionSpec& option, std::string_view text, int& first, int& last);

/// One of the option's choices, applied.
void choiceValue(const OptionSpec& option, std::string_view text, Options& options);

}  // namespace brenvik::cli
