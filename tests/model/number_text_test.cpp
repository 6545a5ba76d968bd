#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace brenvik;

namespace {

struct RealCase {
    const char* name;
    std::string text;
    char separator;
    std::optional<long double> expected;  // nullopt: not a number
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
        EXPECT_EQ(std::signbit(*value), std::signbit(*c.expected)) << '"' << c.text << '"';
    }
}

const std::optional<long double> kRefused = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToRealCases,
    ::testing::Values(
        RealCase{"comma_threshold", "0,27", ',', 27.0L / 100},
        RealCase{"point_threshold", "0.27", '.', 27.0L / 100},
        RealCase{"comma_under_point_locale", "0,27", '.', kRefused},
        RealCase{"point_under_comma_locale", "0.27", ',', kRefused}, RealCase{"integer", "9", ',', 9.0L},
        RealCase{"trailing_separator", "5,", ',', 5.0L}, RealCase{"leading_separator", ",5", ',', 0.5L},
        RealCase{"separator_alone", ",", ',', kRefused}, RealCase{"empty", "", ',', kRefused},
        RealCase{"blanks_only", "   ", ',', kRefused}, RealCase{"blanks_around", "  5,5  ", ',', 5.5L},
        RealCase{"blank_inside", "1 000", ',', kRefused}, RealCase{"tab_is_no_blank", "\t5", ',', kRefused},
        RealCase{"plus", "+5", ',', 5.0L}, RealCase{"minus", "-5,25", ',', -5.25L},
        RealCase{"minus_zero", "-0", ',', -0.0L}, RealCase{"sign_alone", "-", ',', kRefused},
        RealCase{"two_signs", "+-5", ',', kRefused}, RealCase{"two_separators", "5,5,5", ',', kRefused},
        RealCase{"leading_zeros", "00012", ',', 12.0L}, RealCase{"zero_fraction", "0,000", ',', 0.0L},
        RealCase{"exponent", "1e5", ',', 100000.0L},
        RealCase{"exponent_capital_negative", "1E-2", ',', 1.0L / 100},
        RealCase{"exponent_with_plus", "1,5e+2", ',', 150.0L},
        RealCase{"exponent_without_digits", "1e", ',', kRefused},
        RealCase{"exponent_alone", "e5", ',', kRefused},
        RealCase{"beyond_single_within_extended", "1e400", ',', 1e400L},
        RealCase{"beyond_extended", "1e5000", ',', kRefused},
        RealCase{"huge_exponent_text", "1e999999999999999999999", ',', kRefused},
        RealCase{"underflows_to_zero", "1e-99999", ',', 0.0L},
        RealCase{"below_the_normal_range", "3,6E-4951", ',', 3.6e-4951L},
        RealCase{"letters", "abc", ',', kRefused}, RealCase{"cyrillic", "девять", ',', kRefused},
        RealCase{"infinity_word", "inf", ',', kRefused}, RealCase{"nan_word", "nan", ',', kRefused},
        RealCase{"hexadecimal", "0x10", ',', kRefused}, RealCase{"trailing_garbage", "5x", ',', kRefused}),
    [](const auto& info) { return info.param.name; });

TEST(TextToReal, DividesTheGatheredDigitsOnceByAnExactPowerOfTen)
{
    EXPECT_EQ(*parseReal("0,53", ','), 53.0L / 100);
    EXPECT_EQ(*parseReal("123456789,123456789", ','), 123456789123456789.0L / 1000000000.0L);
    EXPECT_EQ(*parseReal("1234567890123456789e-27", ','), 1234567890123456789.0L / 1e27L);
}

TEST(TextToReal, LongDigitStringsKeepTheirMagnitude)
{
    const std::string thousandDigits = "1" + std::string(999, '0');
    EXPECT_NEAR(*parseReal(thousandDigits, ',') / 1e999L, 1.0L, 1e-18L);
    const std::string manyOnes(4000, '1');
    const long double value = *parseReal(manyOnes, ',');
    EXPECT_NEAR(value / 1.1111111111111111111e3999L, 1.0L, 1e-18L);
    EXPECT_FALSE(parseReal(std::string(10000, '7'), ',').has_value());  // beyond the extended range
    EXPECT_EQ(*parseReal("0," + std::string(10000, '0') + "1", ','), 0.0L);
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
    EXPECT_EQ(textToReal("2,5", ','), 2.5L);
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
    long double value;
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
    ::testing::Values(TextCase{"hundredths", 69.0L / 100, ',', "0,69"},
                      TextCase{"point", 69.0L / 100, '.', "0.69"}, TextCase{"one", 1.0L, ',', "1"},
                      TextCase{"zero", 0.0L, ',', "0"}, TextCase{"minus_zero", -0.0L, ',', "0"},
                      TextCase{"one_hundredth", 1.0L / 100, ',', "0,01"},
                      TextCase{"one_tenth", 10.0L / 100, ',', "0,1"}, TextCase{"hundred", 100.0L, ',', "100"},
                      TextCase{"negative", -2.5L, ',', "-2,5"},
                      TextCase{"third", 1.0L / 3, ',', "0,333333333333333"},
                      TextCase{"two_thirds", 2.0L / 3, ',', "0,666666666666667"},
                      TextCase{"fifteen_digits", 123456789012345.0L, ',', "123456789012345"},
                      TextCase{"ten_to_15", 1e15L, ',', "1E15"},
                      TextCase{"sixteen_digits", 1234567890123456.0L, ',', "1,23456789012346E15"},
                      TextCase{"rounds_up_to_ten_to_15", 999999999999999.9L, ',', "1E15"},
                      TextCase{"smallest_fixed", 1.0L / 10000, ',', "0,0001"},
                      TextCase{"largest_scientific", 1.0L / 100000, ',', "1E-5"},
                      TextCase{"small_fraction", 1.5e-7L, ',', "1,5E-7"},
                      TextCase{"negative_scientific", -2.5e20L, '.', "-2.5E20"},
                      TextCase{"beyond_double", 1e400L, ',', "1E400"},
                      TextCase{"infinity", std::numeric_limits<long double>::infinity(), ',', "INF"},
                      TextCase{"minus_infinity", -std::numeric_limits<long double>::infinity(), ',', "-INF"},
                      TextCase{"nan", std::numeric_limits<long double>::quiet_NaN(), ',', "NAN"}),
    [](const auto& info) { return info.param.name; });

TEST(RealToText, ReadsBackWithTheSameSeparator)
{
    for (char separator : {',', '.'}) {
        for (long double value : {0.27L, 1.0L / 7, 12345.678L, 6.02214076e23L, 1e-300L, -0.5L}) {
            const long double back = *parseReal(realToText(value, separator), separator);
            EXPECT_NEAR(static_cast<double>(back / value), 1.0, 1e-14) << static_cast<double>(value);
        }
    }
}

}  // namespace
