// The software extended type against the processor's x87 long double, bit for bit: the
// point-spread values (fast form and the exact chain it falls back on), whole frames and
// trials, the number texts, the batch texts and the expected probability.

#include "model/extended_software.h"
#include "model/extended_x87.h"
#include "model/golden_frames.h"
#include "model/identity/path.h"
#include "model/point_spread.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

using SoftwareExtended = brenvik::software::Extended;

/// The processor's value in the software type, exactly.
SoftwareExtended fromHardware(long double x)
{
    if (std::isnan(x))
        return SoftwareExtended::nan(std::signbit(x));
    if (std::isinf(x) || x == 0)
        return SoftwareExtended(static_cast<double>(x));  // exact: ±infinity or ±0
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(x), &exponent);  // |x| = fraction · 2^exponent
    return SoftwareExtended::fromParts(std::signbit(x), static_cast<std::uint64_t>(std::ldexp(fraction, 64)),
                                       exponent - 64);
}

/// Equal, with the same sign, or both NaN with the same sign.
::testing::AssertionResult sameValue(const SoftwareExtended& software, long double hardware)
{
    const SoftwareExtended expected = fromHardware(hardware);
    const bool same = software.isNaN() || expected.isNaN()
                          ? software.isNaN() && expected.isNaN() && software.signBit() == expected.signBit()
                          : software == expected && software.signBit() == expected.signBit();
    if (same)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "software " << static_cast<double>(software) << ", processor " << static_cast<double>(hardware);
}

/// Every squared distance that a sum of two squares up to 2·128² reaches.
std::vector<std::int32_t> reachableSquaredDistances()
{
    std::vector<bool> reached(brenvik::kMaxSquaredDistance + 1, false);
    for (int dx = 0; dx <= 128; ++dx) {
        for (int dy = dx; dy <= 128; ++dy)
            reached[static_cast<std::size_t>(dx * dx + dy * dy)] = true;
    }
    std::vector<std::int32_t> s;
    for (std::size_t i = 0; i < reached.size(); ++i) {
        if (reached[i])
            s.push_back(static_cast<std::int32_t>(i));
    }
    return s;
}

/// Widths from 0.05 to 120 spread evenly in the logarithm, and the edges: the model's own
/// examples, signed zeros, negatives, the values where the result underflows or overflows
/// single precision, subnormal and huge widths, infinity.
std::vector<float> widths(int spread)
{
    std::vector<float> q;
    for (int i = 0; i < spread; ++i)
        q.push_back(static_cast<float>(0.05 * std::pow(120 / 0.05, i / (spread - 1.0))));
    for (float edge : {9.0f,
                       5.0f,
                       1.0f,
                       0.0688f,
                       0.0687f,
                       0.0689f,
                       4.5f,
                       0.27f,
                       -9.0f,
                       -1.0f,
                       -0.07f,
                       0.0f,
                       -0.0f,
                       1.17e-39f,
                       1.18e-39f,
                       1.0e-39f,
                       1.4e-45f,
                       -1.4e-45f,
                       1e-20f,
                       1e20f,
                       3.4e38f,
                       -3.4e38f,
                       std::numeric_limits<float>::infinity(),
                       -std::numeric_limits<float>::infinity()})
        q.push_back(edge);
    return q;
}

TEST(ExtendedIdentity, PointSpreadOnAMillionPairs)
{
    const std::vector<std::int32_t> distances = reachableSquaredDistances();
    long compared = 0;
    int mismatches = 0;
    for (float Q : widths(160)) {
        for (std::int32_t s : distances) {
            const float hardware = brenvik::x87::pointSpread(s, Q);
            const float software = brenvik::software::pointSpread(s, Q);
            ++compared;
            if (bits(hardware) != bits(software) && ++mismatches <= 10)
                ADD_FAILURE() << "Q " << Q << " (" << std::hex << bits(Q) << std::dec << ") s " << s
                              << ": x87 " << std::hex << bits(hardware) << ", software " << bits(software)
                              << std::dec;
        }
    }
    EXPECT_GE(compared, 1'000'000);
    EXPECT_EQ(mismatches, 0) << "of " << compared << " pairs";
    std::cout << "point-spread pairs compared: " << compared << "\n";
}

TEST(ExtendedIdentity, ExactPointSpreadChainOnAWideSample)
{
    // The chain the fast form falls back on, on its own: every width above at a spread of
    // distances, and random widths.
    std::mt19937 random(21);
    std::vector<float> q = widths(12);
    std::uniform_real_distribution<float> anyWidth(-130.0f, 130.0f);
    for (int i = 0; i < 30; ++i)
        q.push_back(anyWidth(random));
    long compared = 0;
    for (float Q : q) {
        for (std::int32_t s : {0, 1, 2, 5, 25, 50, 100, 181, 400, 1000, 3000, 10000, 20000, 32768}) {
            ASSERT_EQ(bits(brenvik::software::pointSpreadExact(s, Q)), bits(brenvik::x87::pointSpread(s, Q)))
                << "Q " << Q << " s " << s;
            ++compared;
        }
    }
    std::cout << "exact-chain pairs compared: " << compared << "\n";
}

identity::Inputs inputsOf(const brenvik::testing::GoldenFrame& g)
{
    identity::Inputs in;
    in.Q = g.parameters.q;
    in.Threshold = g.parameters.threshold;
    in.T1X = g.parameters.t1x;
    in.T1Y = g.parameters.t1y;
    in.T2X = g.parameters.t2x;
    in.T2Y = g.parameters.t2y;
    in.noise = g.parameters.noise.enabled;
    in.level = g.parameters.noise.level;
    in.seed = g.seedBefore;
    return in;
}

TEST(ExtendedIdentity, EveryGoldenFrameAndTrial)
{
    const auto golden = brenvik::testing::loadGoldenFrames();
    ASSERT_GE(golden.size(), 550u);
    for (const auto& g : golden) {
        const identity::Inputs in = inputsOf(g);
        const identity::Outcome hardware = hardware_path::frame(in);
        EXPECT_EQ(hardware, software_path::frame(in)) << "frame of line " << g.line;
        EXPECT_EQ(hardware.Peak1, bits(g.peak1)) << "line " << g.line;
        EXPECT_EQ(hardware_path::trial(in), software_path::trial(in)) << "trial of line " << g.line;
    }
    std::cout << "golden frames compared: " << golden.size() << "\n";
}

TEST(ExtendedIdentity, ExpectedProbabilityOnRandomInputs)
{
    std::mt19937 random(1201);
    std::uniform_int_distribution<int> position(-60, 60), level(0, 30);
    std::uniform_real_distribution<float> width(0.3f, 40.0f), threshold(0.0f, 1.2f);
    for (int i = 0; i < 2000; ++i) {
        identity::Inputs in;
        in.Q = width(random);
        in.Threshold = threshold(random);
        in.T1X = static_cast<std::int8_t>(position(random));
        in.T1Y = static_cast<std::int8_t>(position(random));
        in.T2X = static_cast<std::int8_t>(position(random));
        in.T2Y = static_cast<std::int8_t>(position(random));
        in.noise = true;
        in.level = level(random);
        const double hardware = hardware_path::expected(in), software = software_path::expected(in);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(hardware), std::bit_cast<std::uint64_t>(software))
            << "input " << i << ": " << hardware << " vs " << software;
    }
}

void expectSameParse(const std::string& text)
{
    for (char separator : {',', '.'}) {
        const auto hardware = hardware_path::parse(text, separator);
        const auto software = software_path::parse(text, separator);
        ASSERT_EQ(hardware.has_value(), software.has_value()) << "'" << text << "' with " << separator;
        if (hardware) {
            EXPECT_EQ(hardware->digits, software->digits) << "'" << text << "' with " << separator;
            EXPECT_EQ(hardware->single, software->single) << "'" << text << "' with " << separator;
            EXPECT_EQ(hardware->text, software->text) << "'" << text << "' with " << separator;
        }
    }
}

TEST(ExtendedIdentity, TextsOfTheFuzzCorpus)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(BRENVIK_NUMBER_TEXT_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        expectSameParse(text);
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(ExtendedIdentity, RandomTexts)
{
    std::mt19937 random(2718);
    std::uniform_int_distribution<int> digitCount(1, 24), digit(0, 9), exponent(-5000, 5000),
        smallExponent(-40, 40), form(0, 5);
    for (int i = 0; i < 2000; ++i) {
        std::string text = form(random) == 0 ? "-" : "";
        const int whole = digitCount(random), fraction = digitCount(random) - 1;
        for (int d = 0; d < whole; ++d)
            text += static_cast<char>('0' + digit(random));
        if (fraction > 0) {
            text += i % 2 == 0 ? ',' : '.';
            for (int d = 0; d < fraction; ++d)
                text += static_cast<char>('0' + digit(random));
        }
        const int f = form(random);
        if (f >= 4)
            text += "e" + std::to_string(exponent(random));
        else if (f >= 2)
            text += "E" + std::to_string(smallExponent(random));
        expectSameParse(text);
    }
    // Ties at the fifteenth digit, the ends of the range, the subnormal range.
    for (const char* text :
         {"1000000000000005", "1000000000000015", "0,000123456789012345", "1e4932", "1,18e4932", "1,19e4932",
          "3e-4951", "4e-4951", "1e-4940", "1e-4960", "6,5e-4951", "0,27", "1,2"})
        expectSameParse(text);
}

TEST(ExtendedIdentity, RandomValuesAsText)
{
    std::mt19937_64 random(314);
    std::uniform_int_distribution<int> exponent(-16445, 16320), nearby(-80, 80);
    for (int i = 0; i < 5000; ++i) {
        const std::uint64_t significand = random() | (i % 3 == 0 ? 0x8000000000000000u : 0u);
        const int e = i % 2 == 0 ? exponent(random) : nearby(random);
        const bool negative = (random() & 1) != 0;
        const char separator = i % 2 == 0 ? ',' : '.';
        ASSERT_EQ(hardware_path::text(negative, significand, e, separator),
                  software_path::text(negative, significand, e, separator))
            << significand << " * 2^" << e;
    }
}

// Where the rounding meets the ends of the format, and the NaNs' signs.
TEST(ExtendedIdentity, EdgesOfTheArithmetic)
{
    const long double largest = std::numeric_limits<long double>::max();
    const SoftwareExtended softwareLargest = fromHardware(largest);
    const long double halfUlp = std::ldexp(1.0L, 16319), quarterUlp = std::ldexp(1.0L, 16318);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const float nanSingle = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        SoftwareExtended software;
        long double processor;
    } cases[] = {
        // The largest value's significand is odd: half an ulp more rounds to the even one
        // beyond the range, a quarter rounds back.
        {"largest + half ulp", softwareLargest + fromHardware(halfUlp), largest + halfUlp},
        {"largest + quarter ulp", softwareLargest + fromHardware(quarterUlp), largest + quarterUlp},
        {"-largest - half ulp", -softwareLargest - fromHardware(halfUlp), -largest - halfUlp},
        {"largest * 1.5", softwareLargest * SoftwareExtended(1.5), largest * 1.5L},
        {"smallest subnormal / 2",
         fromHardware(std::numeric_limits<long double>::denorm_min()) / SoftwareExtended(2),
         std::numeric_limits<long double>::denorm_min() / 2},
        {"negative NaN double", SoftwareExtended(-nan), static_cast<long double>(-nan)},
        {"positive NaN double", SoftwareExtended(nan), static_cast<long double>(nan)},
        {"negative NaN single", SoftwareExtended(-nanSingle), static_cast<long double>(-nanSingle)},
        {"positive NaN single", SoftwareExtended(nanSingle), static_cast<long double>(nanSingle)},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(sameValue(c.software, c.processor)) << c.name;
    EXPECT_TRUE(cases[0].software.isInfinite());
}

// 10^k correctly rounded, as the C library's strtold reads "1e<k>" (its powl is not).
TEST(ExtendedIdentity, PowersOfTenAsStrtoldReadsThem)
{
    std::vector<int> powers;
    for (int k = -60; k <= 60; ++k)
        powers.push_back(k);
    for (int k = -4965; k <= 4935; k += 41)
        powers.push_back(k);
    for (int k : {-4966, -4960, -4951, -4950, -4933, -4932, -4931, 4931, 4932, 4933})
        powers.push_back(k);
    for (int k : powers) {
        const long double expected = std::strtold(("1e" + std::to_string(k)).c_str(), nullptr);
        EXPECT_TRUE(sameValue(brenvik::software::powerOfTen(k), expected)) << k;
    }
}

TEST(ExtendedIdentity, BatchTextsAndSweepThresholds)
{
    for (int trials = 1; trials <= 255; ++trials) {
        for (int resolved = 0; resolved <= trials; ++resolved) {
            const float p = static_cast<float>(static_cast<double>(resolved) / trials);
            ASSERT_EQ(hardware_path::probabilityText(p, ','), software_path::probabilityText(p, ','))
                << resolved << "/" << trials;
        }
    }
    for (int step = 0; step <= 121; ++step)
        ASSERT_EQ(hardware_path::sweepThresholdHundredths(step),
                  software_path::sweepThresholdHundredths(step));
}

}  // namespace
