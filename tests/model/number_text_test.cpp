#include "model/extended.h"
#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

using namespace brenvik;

namespace {

/// significand · 2^exponent, exactly: an extended value written by its bits, as a long
/// double literal would give it on x86-64 (elsewhere long double is another format).
Extended binary(std::uint64_t significand, int exponent)
{
    Extended value = significand;
    const Extended factor = exponent < 0 ? Extended(0.5) : Extended(2);
    for (int i = 0; i < std::abs(exponent); ++i)
        value *= factor;  // exact: a power of two within the range
    return value;
}

// 1e400 and 1.1111111111111111111e3999 rounded to the extended format; the smallest
// subnormal 2^-16445, to which 3.6e-4951 rounds.
const Extended kTenTo400 = binary(0xda763fc8cb9ff9e6u, 1265);
const Extended kElevenOnes3999 = binary(0xba6ce658e2132773u, 13221);
const Extended kSmallestSubnormal = binary(1, -16445);

struct RealCase {
    const char* name;
    std::string text;
    char separator;
    std::optional<Extended> expected;  // nullopt: not a number
};

void PrintTo(const RealCase& c, std::ostream* os) { *os << c.name; }

class TextToRealCases : public ::testing::TestWithParam<RealCase> {};

TEST_P(TextToRealCases, ParsesOrRefuses)
{
    const auto& c = GetParam();
    const auto value = parseReal(c.text, c.separator);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << '"' << c.text << '"';
    if (value) {
        EXPECT_EQ(*value, *c.expected) << '"' << c.text << '"';
        EXPECT_EQ(std::signbit(toSingle(*value)), std::signbit(toSingle(*c.expected)))
            << '"' << c.text << '"';
    }
}

const std::optional<Extended> kRefused = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToRealCases,
    ::testing::Values(
        RealCase{"comma_threshold", "0,27", ',', Extended(27) / 100},
        RealCase{"point_threshold", "0.27", '.', Extended(27) / 100},
        RealCase{"comma_under_point_locale", "0,27", '.', kRefused},
        RealCase{"point_under_comma_locale", "0.27", ',', kRefused},
        RealCase{"integer", "9", ',', Extended(9)}, RealCase{"trailing_separator", "5,", ',', Extended(5)},
        RealCase{"leading_separator", ",5", ',', Extended(0.5)},
        RealCase{"separator_alone", ",", ',', kRefused}, RealCase{"empty", "", ',', kRefused},
        RealCase{"blanks_only", "   ", ',', kRefused},
        RealCase{"blanks_around", "  5,5  ", ',', Extended(5.5)},
        RealCase{"blank_inside", "1 000", ',', kRefused}, RealCase{"tab_is_no_blank", "\t5", ',', kRefused},
        RealCase{"plus", "+5", ',', Extended(5)}, RealCase{"minus", "-5,25", ',', Extended(-5.25)},
        RealCase{"minus_zero", "-0", ',', Extended(-0.0)}, RealCase{"sign_alone", "-", ',', kRefused},
        RealCase{"two_signs", "+-5", ',', kRefused}, RealCase{"two_separators", "5,5,5", ',', kRefused},
        RealCase{"leading_zeros", "00012", ',', Extended(12)},
        RealCase{"zero_fraction", "0,000", ',', Extended(0)},
        RealCase{"exponent", "1e5", ',', Extended(100000)},
        RealCase{"exponent_capital_negative", "1E-2", ',', Extended(1) / 100},
        RealCase{"exponent_with_plus", "1,5e+2", ',', Extended(150)},
        RealCase{"exponent_without_digits", "1e", ',', kRefused},
        RealCase{"exponent_alone", "e5", ',', kRefused},
        RealCase{"beyond_single_within_extended", "1e400", ',', kTenTo400},
        // 19 significant digits are kept: the rest count only as powers of ten.
        RealCase{"twenty_nines", "99999999999999999999", ',', Extended(9999999999999999999u) * 10},
        RealCase{"zeros_beyond_19_digits", "0,2700000000000000000000", ',', Extended(27) / 100},
        RealCase{"digits_beyond_19_dropped", "0,12345678901234567899999", ',',
                 Extended(1234567890123456789u) / Extended(1e19)},
        RealCase{"beyond_extended", "1e5000", ',', kRefused},
        RealCase{"huge_exponent_text", "1e999999999999999999999", ',', kRefused},
        RealCase{"underflows_to_zero", "1e-99999", ',', Extended(0)},
        RealCase{"below_the_normal_range", "3,6E-4951", ',', kSmallestSubnormal},
        RealCase{"letters", "abc", ',', kRefused}, RealCase{"cyrillic", "девять", ',', kRefused},
        RealCase{"infinity_word", "inf", ',', kRefused}, RealCase{"nan_word", "nan", ',', kRefused},
        RealCase{"hexadecimal", "0x10", ',', kRefused}, RealCase{"trailing_garbage", "5x", ',', kRefused}),
    [](const auto& info) { return info.param.name; });

TEST(TextToReal, DividesTheGatheredDigitsOnceByAnExactPowerOfTen)
{
    EXPECT_EQ(*parseReal("0,53", ','), Extended(53) / 100);
    EXPECT_EQ(*parseReal("123456789,123456789", ','), Extended(123456789123456789) / 1000000000);
    const Extended tenTo27 = Extended(1000000000) * 1000000000 * 1000000000;  // exact: 5^27 < 2^64
    EXPECT_EQ(*parseReal("1234567890123456789e-27", ','), Extended(1234567890123456789) / tenTo27);
}

TEST(TextToReal, LongDigitStringsKeepTheirMagnitude)
{
    const std::string thousandDigits = "1" + std::string(999, '0');
    // The differences from 1 in extended precision: a double could not tell 1e-18.
    EXPECT_NEAR(static_cast<double>(*parseReal(thousandDigits, ',') / powerOfTen(999) - 1), 0.0, 1e-18);
    const std::string manyOnes(4000, '1');
    const Extended value = *parseReal(manyOnes, ',');
    EXPECT_NEAR(static_cast<double>(value / kElevenOnes3999 - 1), 0.0, 1e-18);
    EXPECT_FALSE(parseReal(std::string(10000, '7'), ',').has_value());  // beyond the extended range
    EXPECT_EQ(*parseReal("0," + std::string(10000, '0') + "1", ','), Extended(0));
}

TEST(TextToReal, FailureMessageNamesTheWholeText)
{
    try {
        textToReal("0,27", '.');
        FAIL() << "no failure";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'0,27' is not a valid floating point value");
    }
    EXPECT_THROW(textToReal("", ','), ConversionError);
    EXPECT_EQ(textToReal("2,5", ','), Extended(2.5));
}

struct IntegerCase {
    const char* name;
    std::string text;
    std::optional<std::int32_t> expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << c.name; }

class TextToIntegerCases : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(TextToIntegerCases, ParsesOrRefuses)
{
    const auto& c = GetParam();
    EXPECT_EQ(parseInteger(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToIntegerCases,
                         ::testing::Values(IntegerCase{"plain", "5", 5}, IntegerCase{"batch_300", "300", 300},
                                           IntegerCase{"blanks", " 42 ", 42}, IntegerCase{"plus", "+7", 7},
                                           IntegerCase{"minus", "-7", -7},
                                           IntegerCase{"leading_zeros", "0007", 7},
                                           IntegerCase{"largest", "2147483647", 2147483647},
                                           IntegerCase{"too_large", "2147483648", std::nullopt},
                                           IntegerCase{"smallest", "-2147483648", INT32_MIN},
                                           IntegerCase{"too_small", "-2147483649", std::nullopt},
                                           IntegerCase{"twenty_digits", "99999999999999999999", std::nullopt},
                                           IntegerCase{"empty", "", std::nullopt},
                                           IntegerCase{"sign_alone", "-", std::nullopt},
                                           IntegerCase{"with_separator", "5,", std::nullopt},
                                           IntegerCase{"with_point", "5.0", std::nullopt},
                                           IntegerCase{"exponent", "1e3", std::nullopt},
                                           IntegerCase{"hexadecimal", "0x10", std::nullopt},
                                           IntegerCase{"blank_inside", "1 0", std::nullopt}),
                         [](const auto& info) { return info.param.name; });

TEST(TextToInteger, FailureMessageNamesTheWholeText)
{
    try {
        textToInteger("5,5");
        FAIL() << "no failure";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'5,5' is not a valid integer value");
    }
}

struct TextCase {
    const char* name;
    Extended value;
    char separator;
    std::string expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class RealToTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(RealToTextCases, GeneralFormat)
{
    const auto& c = GetParam();
    EXPECT_EQ(realToText(c.value, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RealToTextCases,
    ::testing::Values(
        TextCase{"hundredths", Extended(69) / 100, ',', "0,69"},
        TextCase{"point", Extended(69) / 100, '.', "0.69"}, TextCase{"one", Extended(1), ',', "1"},
        TextCase{"zero", Extended(0), ',', "0"}, TextCase{"minus_zero", Extended(-0.0), ',', "0"},
        TextCase{"one_hundredth", Extended(1) / 100, ',', "0,01"},
        TextCase{"one_tenth", Extended(10) / 100, ',', "0,1"}, TextCase{"hundred", Extended(100), ',', "100"},
        TextCase{"negative", Extended(-2.5), ',', "-2,5"},
        TextCase{"third", Extended(1) / 3, ',', "0,333333333333333"},
        TextCase{"two_thirds", Extended(2) / 3, ',', "0,666666666666667"},
        TextCase{"fifteen_digits", Extended(123456789012345), ',', "123456789012345"},
        TextCase{"ten_to_15", Extended(1e15), ',', "1E15"},
        TextCase{"sixteen_digits", Extended(1234567890123456), ',', "1,23456789012346E15"},
        TextCase{"rounds_up_to_ten_to_15", Extended(9999999999999999) / 10, ',', "1E15"},
        TextCase{"smallest_fixed", Extended(1) / 10000, ',', "0,0001"},
        TextCase{"largest_scientific", Extended(1) / 100000, ',', "1E-5"},
        TextCase{"small_fraction", Extended(15) / 100000000, ',', "1,5E-7"},
        TextCase{"negative_scientific", Extended(-2.5e20), '.', "-2.5E20"},
        TextCase{"beyond_double", kTenTo400, ',', "1E400"},
        TextCase{"infinity", Extended(std::numeric_limits<double>::infinity()), ',', "INF"},
        TextCase{"minus_infinity", -Extended(std::numeric_limits<double>::infinity()), ',', "-INF"},
        TextCase{"nan", Extended(std::numeric_limits<double>::quiet_NaN()), ',', "NAN"}),
    [](const auto& info) { return info.param.name; });

TEST(RealToText, ReadsBackWithTheSameSeparator)
{
    for (char separator : {',', '.'}) {
        for (const Extended& value :
             {Extended(27) / 100, Extended(1) / 7, Extended(12345678) / 1000,
              Extended(602214076) * Extended(1e15), powerOfTen(-300), Extended(-0.5)}) {
            const Extended back = *parseReal(realToText(value, separator), separator);
            EXPECT_NEAR(static_cast<double>(back / value), 1.0, 1e-14) << static_cast<double>(value);
        }
    }
}

}  // namespace
