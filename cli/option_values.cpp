#include "cli/option_values.h"

#include "model/extended.h"
#include "model/failure_text.h"
#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace brenvik::cli {

namespace {

std::string name(const OptionSpec& option) { return std::string(option.name); }

// The program's own message for a number that does not convert, after the option's name.
[[noreturn]] void badNumber(const OptionSpec& option, const ConversionError& failure)
{
    throw UsageError(name(option) + ": " + withFullStop(failure.what()));
}

// Either decimal separator may be typed on the command line; the message names the
// text as it was given.
Extended extendedValue(const OptionSpec& option, std::string_view text)
{
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    if (auto value = parseReal(dotted, '.'))
        return *value;
    try {
        return textToReal(text, '.');  // throws with the original text
    } catch (const ConversionError& failure) {
        badNumber(option, failure);
    }
}

// Plain decimal digits only: no sign, no blanks, no separator.
std::optional<unsigned> digitsValue(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

float realValue(const OptionSpec& option, std::string_view text) { return toSingle(extendedValue(option, text)); }

// Above 0, as every probability is at or above 0 and a crossing of 0 means nothing.
double probabilityValue(const OptionSpec& option, std::string_view text)
{
    const auto p = static_cast<double>(extendedValue(option, text));
    if (!(p > 0.0 && p <= 1.0))
        throw UsageError(name(option) + " takes a probability above 0 and at most 1, not '" + std::string(text) +
                         "'.");
    return p;
}

std::int32_t integerValue(const OptionSpec& option, std::string_view text)
{
    try {
        return textToInteger(text);
    } catch (const ConversionError& failure) {
        badNumber(option, failure);
    }
}

std::int32_t integerInRange(const OptionSpec& option, std::string_view text)
{
    const auto [low, high] = option.range;
    const auto outside = [&](const std::string& value) {
        return UsageError(name(option) + ": " + value + " is outside " + std::to_string(low) + ".." +
                          std::to_string(high) + ".");
    };
    // A whole number too long for 32 bits is out of range too, not "not an integer".
    const std::string_view digits = text.substr(!text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0);
    if (!digits.empty() &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        !parseInteger(text))
        throw outside(std::string(text));
    const std::int32_t value = integerValue(option, text);
    if (value < low || value > high)
        throw outside(std::to_string(value));
    return value;
}

void positionValue(const OptionSpec& option, std::string_view text, std::int8_t& x, std::int8_t& y)
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos)
        throw UsageError(name(option) + " takes X,Y (for example " + name(option) + " -20,0), not '" +
                         std::string(text) + "'.");
    x = static_cast<std::int8_t>(integerInRange(option, text.substr(0, comma)));
    y = static_cast<std::int8_t>(integerInRange(option, text.substr(comma + 1)));
}

SweptParameters sweptValue(const OptionSpec& option, std::string_view list)
{
    SweptParameters vary{false, false, false};
    if (list == "none")
        return vary;
    if (list.empty())
        throw UsageError(name(option) + ": give none, or one or more of position, noise, threshold.");
    // Every comma is followed by a word: "noise," is refused as ",noise" is.
    for (;;) {
        const auto comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        if (word == "none")
            throw UsageError(name(option) + ": none cannot be combined with position, noise or threshold.");
        if (word == "position")
            vary.position = true;
        else if (word == "noise")
            vary.noise = true;
        else if (word == "threshold")
            vary.threshold = true;
        else
            throw UsageError(name(option) + ": '" + std::string(word) +
                             "' is not one of position, noise, threshold.");
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    return vary;
}

unsigned countValue(const OptionSpec& option, std::string_view text)
{
    const auto value = digitsValue(text);
    if (!value || *value < option.range.low || *value > option.range.high)
        throw UsageError(name(option) + " takes a number of threads from " + std::to_string(option.range.low) +
                         " to " + std::to_string(option.range.high) + ", not '" + std::string(text) + "'.");
    return *value;
}

void stepRangeValue(const OptionSpec& option, std::string_view text, int& first, int& last)
{
    const auto [low, high] = option.range;
    const auto dash = text.find('-');
    const auto a = digitsValue(text.substr(0, dash));
    const auto b = dash == std::string_view::npos ? std::nullopt : digitsValue(text.substr(dash + 1));
    if (!a || !b || *a < low || *a > *b || *b > high)
        throw UsageError(name(option) + " takes A-B with " + std::to_string(low) + " <= A <= B <= " +
                         std::to_string(high) + " (for example " + name(option) + " 0-29), not '" +
                         std::string(text) + "'.");
    first = static_cast<int>(*a);
    last = static_cast<int>(*b);
}

void choiceValue(const OptionSpec& option, std::string_view text, Options& options)
{
    std::string words;
    for (const Choice& choice : option.choices) {
        if (text == choice.word) {
            choice.apply(options);
            return;
        }
        words += (words.empty() ? "" : " or ") + std::string(choice.word);
    }
    throw UsageError(name(option) + " takes " + words + ", not '" + std::string(text) + "'.");
}

}  // namespace brenvik::cli
