#include "model/number_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace brenvik {

namespace {

constexpr int kMaxMantissaDigits = 19;  // the most that always fit in 64 bits
constexpr int kMaxExactPower = 27;      // 5^27 still fits a 64-bit significand
constexpr int kExponentClamp = 100000;  // far beyond any finite extended value

// 10^0 … 10^27, exact; products of tens, so the same in every arithmetic.
const std::array<Extended, kMaxExactPower + 1>& exactPowersOfTen()
{
    static const auto powers = [] {
        std::array<Extended, kMaxExactPower + 1> table{};
        Extended p = 1;
        for (auto& entry : table) {
            entry = p;
            p *= 10;
        }
        return table;
    }();
    return powers;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

/// An optional "+" or "-" at i, stepped over: whether it was "-".
bool takeSign(std::string_view text, std::size_t& i)
{
    if (i >= text.size() || (text[i] != '+' && text[i] != '-'))
        return false;
    return text[i++] == '-';
}

Extended scaleByPowerOfTen(std::uint64_t mantissa, long exponent)
{
    const Extended m = mantissa;
    const auto& exact = exactPowersOfTen();
    if (exponent >= 0) {
        if (exponent <= kMaxExactPower)
            return m * exact[static_cast<std::size_t>(exponent)];
        return m * powerOfTen(static_cast<int>(exponent));
    }
    if (-exponent <= kMaxExactPower)
        return m / exact[static_cast<std::size_t>(-exponent)];
    if (-exponent <= kMaxExponent10)
        return m / powerOfTen(static_cast<int>(-exponent));
    // 10^-exponent itself would overflow: scale into the normal range first, then down
    // into the subnormal one.
    return m * powerOfTen(static_cast<int>(exponent + kMaxExactPower)) / exact[kMaxExactPower];
}

}  // namespace

std::optional<Extended> parseReal(std::string_view text, char separator)
{
    std::size_t i = skipBlanks(text, 0);
    const bool negative = takeSign(text, i);

    std::uint64_t mantissa = 0;
    int significant = 0;
    long exponent = 0;
    bool anyDigit = false;
    auto takeDigit = [&](char c, bool fractional) {
        anyDigit = true;
        const int d = c - '0';
        if (mantissa == 0 && d == 0) {
            if (fractional)
                --exponent;
        } else if (significant < kMaxMantissaDigits) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(d);
            ++significant;
            if (fractional)
                --exponent;
        } else if (!fractional) {
            ++exponent;
        }
    };

    for (; i < text.size() && isDigit(text[i]); ++i)
        takeDigit(text[i], false);
    if (i < text.size() && text[i] == separator) {
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            takeDigit(text[i], true);
    }
    if (!anyDigit)
        return std::nullopt;

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negativeExponent = takeSign(text, i);
        if (i >= text.size() || !isDigit(text[i]))
            return std::nullopt;
        long written = 0;
        for (; i < text.size() && isDigit(text[i]); ++i)
            written = std::min<long>(written * 10 + (text[i] - '0'), kExponentClamp);
        exponent += negativeExponent ? -written : written;
    }

    i = skipBlanks(text, i);
    if (i != text.size())
        return std::nullopt;

    Extended value = mantissa == 0 ? Extended(0) : scaleByPowerOfTen(mantissa, exponent);
    if (!isFinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int32_t> parseInteger(std::string_view text)
{
    std::size_t i = skipBlanks(text, 0);
    const bool negative = takeSign(text, i);
    if (i >= text.size() || !isDigit(text[i]))
        return std::nullopt;

    constexpr std::int64_t kLimit = std::int64_t{1} << 31;  // |INT32_MIN|
    std::int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit)
            return std::nullopt;
    }
    i = skipBlanks(text, i);
    if (i != text.size())
        return std::nullopt;
    if (!negative && magnitude == kLimit)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

Extended textToReal(std::string_view text, char separator)
{
    if (auto value = parseReal(text, separator))
        return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::int32_t textToInteger(std::string_view text)
{
    if (auto value = parseInteger(text))
        return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

std::string realToText(Extended value, char separator)
{
    if (isNaN(value))
        return "NAN";
    if (isInfinite(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";

    // 15 significant digits, rounded correctly (ties to the even digit).
    const DecimalDigits printed = decimalDigits(value, 15);
    const bool negative = printed.negative;
    std::string digits = printed.digits;
    const int exponent = printed.exponent;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        text += digits.front();
        if (digits.size() > 1) {
            text += separator;
            text.append(digits, 1);
        }
        text += 'E';
        text += std::to_string(exponent);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += separator;
            text.append(digits, integerDigits);
        }
    } else {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

}  // namespace brenvik
