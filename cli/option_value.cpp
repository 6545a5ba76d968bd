#include "cli/option_value.h"

#include "model/extended.h"
#include "model/failure_text.h"
#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace brenvik::cli {

namespace {

// Plain decimal digits only: no sign, no blanks, no separator.
std::optional<unsigned> digitsValue(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? std::optional(value) : std::nullopt;
}

// Either decimal separator may be typed on the command line; a failure names the text as
// it was given.
Extended extendedValue(std::string_view text)
{
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    if (auto value = parseReal(dotted, '.'))
        return *value;
    return textToReal(text, '.');  // throws with the original text
}

// A number that reads as 1 even in extended precision may still be a hair above it
// ("1.000…01", not "0.999…9"): its significant digits then begin with a 1 that is not the last.
bool aboveOneOnceRounded(std::string_view text)
{
    std::string digits;
    for (const char c : text.substr(0, text.find_first_of("eE")))
        if ((c >= '1' && c <= '9') || (c == '0' && !digits.empty()))
            digits += c;
    return digits.starts_with('1') && digits.find_first_not_of('0', 1) != std::string::npos;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

void OptionValue::refuse(const std::string& message) const { throw UsageError(std::string(name) + message); }

template <typename Convert>
auto OptionValue::converted(Convert convert) const
{
    try {
        return convert();
    } catch (const ConversionError& failure) {
        refuse(": " + withFullStop(failure.what()));
    }
}

float OptionValue::real() const
{
    return converted([&] { return toSingle(extendedValue(text)); });
}

// Above 0, as every probability is at or above 0; compared as the text says it, for in
// double 1.0000000000000001 is 1.
double OptionValue::probability() const
{
    const Extended exact = converted([&] { return extendedValue(text); });
    const double p = static_cast<double>(exact);
    if (!(p > 0.0 && exact <= 1) || (exact == 1 && aboveOneOnceRounded(text)))
        refuse(" takes a probability above 0 and at most 1, not " + quoted(text) + ".");
    return p;
}

std::int32_t OptionValue::integer() const
{
    return converted([&] { return textToInteger(text); });
}

std::int32_t OptionValue::inRange(std::string_view part) const
{
    const auto outside = [&](const std::string& value) {
        refuse(": " + value + " is outside " + std::to_string(low) + ".." + std::to_string(high) + ".");
    };
    // A whole number too long for 32 bits is out of range too, not "not an integer".
    const std::string_view digits = part.substr(!part.empty() && (part[0] == '-' || part[0] == '+') ? 1 : 0);
    if (!digits.empty() &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        !parseInteger(part))
        outside(std::string(part));
    const std::int32_t value = converted([&] { return textToInteger(part); });
    if (value < low || value > high)
        outside(std::to_string(value));
    return value;
}

void OptionValue::position(std::int8_t& x, std::int8_t& y) const
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos)
        refuse(" takes X,Y (for example " + std::string(name) + " -20,0), not " + quoted(text) + ".");
    x = static_cast<std::int8_t>(inRange(text.substr(0, comma)));
    y = static_cast<std::int8_t>(inRange(text.substr(comma + 1)));
}

SweptParameters OptionValue::swept() const
{
    SweptParameters vary{false, false, false};
    std::string_view list = text;
    if (list == "none")
        return vary;
    if (list.empty())
        refuse(": give none, or one or more of position, noise, threshold.");
    // Every comma is followed by a word: "noise," is refused as ",noise" is.
    for (;;) {
        const auto comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        if (word == "none")
            refuse(": none cannot be combined with position, noise or threshold.");
        bool* chosen = word == "position"    ? &vary.position
                       : word == "noise"     ? &vary.noise
                       : word == "threshold" ? &vary.threshold
                                             : nullptr;
        if (!chosen)
            refuse(": " + quoted(word) + " is not one of position, noise, threshold.");
        *chosen = true;
        if (comma == std::string_view::npos)
            return vary;
        list.remove_prefix(comma + 1);
    }
}

unsigned OptionValue::count() const
{
    const auto value = digitsValue(text);
    if (!value || *value < low || *value > high)
        refuse(" takes a number of threads from " + std::to_string(low) + " to " + std::to_string(high) +
               ", not " + quoted(text) + ".");
    return *value;
}

void OptionValue::steps(int& first, int& last) const
{
    const auto dash = text.find('-');
    const auto a = digitsValue(text.substr(0, dash));
    const auto b = dash == std::string_view::npos ? std::nullopt : digitsValue(text.substr(dash + 1));
    if (!a || !b || *a < low || *a > *b || *b > high)
        refuse(" takes A-B with " + std::to_string(low) + " <= A <= B <= " + std::to_string(high) +
               " (for example " + std::string(name) + " 0-29), not " + quoted(text) + ".");
    first = static_cast<int>(*a);
    last = static_cast<int>(*b);
}

}  // namespace brenvik::cli
