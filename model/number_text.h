#pragma once
// Conversions between numbers and text with an explicit decimal separator, as the
// program's number boxes need them. The separator is a parameter: the GUI passes the
// one of the user's regional settings, the command-line tool its own.
//
// Text to real accepts, in this order:
//   blanks*  [+|-]  digits* [separator digits*]  [(e|E) [+|-] digits+]  blanks*
// where blanks are spaces, at least one digit stands in the part before the exponent
// ("5,", ",5" and "5" are numbers; "," and "" are not), and the value must lie within
// the extended range ("1e400" is a number, "1e5000" is not). Thousands separators,
// hexadecimal, "inf" and "nan" are not accepted. The digits are gathered as an integer
// (the first 19 significant ones; later ones only scale the value) and divided by, or
// multiplied with, the power of ten that the separator and the exponent imply, in
// extended precision with rounding to nearest. For up to 19 significant digits and a
// power up to 10^27 that is one correctly rounded operation.
//
// Text to integer accepts blanks* [+|-] digits+ blanks*, decimal only, within the
// signed 32-bit range.
//
// Real to text is the general format: at most 15 significant digits, no trailing
// zeros, the separator given; fixed notation from 0.0001 up to (not including) 10^15,
// otherwise "d.dddE±x" with no plus sign and no leading zeros in the exponent
// ("1E15", "1,5E-5"). Zero of either sign is "0"; infinities are "INF" and "-INF",
// a NaN is "NAN".

#include "model/extended.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brenvik {

/// A text that does not hold the number asked for. The message carries no full stop.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::optional<Extended> parseReal(std::string_view text, char separator);
std::optional<std::int32_t> parseInteger(std::string_view text);

/// parseReal, or ConversionError "'<text>' is not a valid floating point value".
Extended textToReal(std::string_view text, char separator);
/// parseInteger, or ConversionError "'<text>' is not a valid integer value".
std::int32_t textToInteger(std::string_view text);

std::string realToText(Extended value, char separator);

}  // namespace brenvik
