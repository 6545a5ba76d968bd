#include "cli/option_value.h"

#include "model/extended.h"
#include "model/failure_text.h"
#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace brenvik::cli {

namespace {

// Plain decimal digits only: no sign, no blanks, no separator.
std::optional<unsigned> digitsValue(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
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

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

void OptionValue::refuse(const std::string& message) const
{
    throw UsageError(std::string(m_option.name) + message);
}

float OptionValue::real() const
{
    try {
        return toSingle(extendedValue(m_text));
    } catch (const ConversionError& failure) {
        refuse(": " + withFullStop(failure.what()));
    }
}

// Above 0, as every probability is at or above 0.
double OptionValue::probability() const
{
    double p = 0.0;
    try {
        p = static_cast<double>(extendedValue(m_text));
    } catch (const ConversionError& failure) {
        refuse(": " + withFullStop(failure.what()));
    }
    if (!(p > 0.0 && p <= 1.0))
        refuse(" takes a probability above 0 and at most 1, not " + quoted(m_text) + ".");
    return p;
}

std::int32_t OptionValue::integer() const
{
    try {
        return textToInteger(m_text);
    } catch (const ConversionError& failure) {
        refuse(": " + withFullStop(failure.what()));
    }
}

std::int32_t OptionValue::inRange(std::string_view text) const
{
    const auto outside = [&](const std::string& value) {
        refuse(": " + value + " is outside " + std::to_string(m_option.low) + ".." +
               std::to_string(m_option.high) + ".");
    };
    // A whole number too long for 32 bits is out of range too, not "not an integer".
    const std::string_view digits = text.substr(!text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0);
    if (!digits.empty() &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        !parseInteger(text))
        outside(std::string(text));
    const std::int32_t value = OptionValue(m_option, text).integer();
    if (value < m_option.low || value > m_option.high)
        outside(std::to_string(value));
    return value;
}

void OptionValue::position(std::int8_t& x, std::int8_t& y) const
{
    const auto comma = m_text.find(',');
    if (comma == std::string_view::npos || m_text.find(',', comma + 1) != std::string_view::npos)
        refuse(" takes X,Y (for example " + std::string(m_option.name) + " -20,0), not " + quoted(m_text) +
               ".");
    x = static_cast<std::int8_t>(inRange(m_text.substr(0, comma)));
    y = static_cast<std::int8_t>(inRange(m_text.substr(comma + 1)));
}

SweptParameters OptionValue::swept() const
{
    SweptParameters vary{false, false, false};
    std::string_view list = m_text;
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
        if (word == "position")
            vary.position = true;
        else if (word == "noise")
            vary.noise = true;
        else if (word == "threshold")
            vary.threshold = true;
        else
            refuse(": " + quoted(word) + " is not one of position, noise, threshold.");
        if (comma == std::string_view::npos)
            return vary;
        list.remove_prefix(comma + 1);
    }
}

unsigned OptionValue::count() const
{
    const auto value = digitsValue(m_text);
    if (!value || *value < m_option.low || *value > m_option.high)
        refuse(" takes a number of threads from " + std::to_string(m_option.low) + " to " +
               std::to_string(m_option.high) + ", not " + quoted(m_text) + ".");
    return *value;
}

void OptionValue::steps(int& first, int& last) const
{
    const auto dash = m_text.find('-');
    const auto a = digitsValue(m_text.substr(0, dash));
    const auto b = dash == std::string_view::npos ? std::nullopt : digitsValue(m_text.substr(dash + 1));
    if (!a || !b || *a < m_option.low || *a > *b || *b > m_option.high)
        refuse(" takes A-B with " + std::to_string(m_option.low) +
               " <= A <= B <= " + std::to_string(m_option.high) + " (for example " +
               std::string(m_option.name) + " 0-29), not " + quoted(m_text) + ".");
    first = static_cast<int>(*a);
    last = static_cast<int>(*b);
}

void OptionValue::choose(Options& options) const
{
    std::string words;
    for (const Choice& choice : m_option.choices) {
        if (m_text == choice.word)
            return choice.apply(options);
        words += (words.empty() ? "" : " or ") + std::string(choice.word);
    }
    refuse(" takes " + words + ", not " + quoted(m_text) + ".");
}

}  // namespace brenvik::cli
