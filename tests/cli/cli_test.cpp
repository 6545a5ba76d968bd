#include "cli_run.h"
#include "significant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace brenvik::cli::test;

TEST(CliTrials, DefaultRunsOneBatchFromTheStartState)
{
    const CliRun r = runCli({"trials"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], "frame,peak1,peak2,cell_mean,resolved,probability");
    EXPECT_EQ(fields(rows[1]),
              (std::vector<std::string>{"1", "106.384605", "106.384605", "101.304825", "0", ""}));
    EXPECT_EQ(fields(rows[4]).back(), "");
    EXPECT_EQ(fields(rows[5]),
              (std::vector<std::string>{"5", "106.384605", "106.384605", "101.304825", "0", "0"}));
}

TEST(CliTrials, SeparatedSourcesWithEitherDecimalSeparator)
{
    for (std::string_view threshold : {"0,27", "0.27"}) {
        const CliRun r =
            runCli({"trials", "--t1", "-20,0", "--t2=20,0", "--threshold", threshold, "--frames", "5"});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto last = fields(lastLine(r.out));
        ASSERT_EQ(last.size(), 6u);
        EXPECT_EQ(last[4], "1");
        EXPECT_EQ(last[5], "1");
    }
}

TEST(CliTrials, BatchSizeIsReadInEightBits)
{
    const CliRun r = runCli({"trials", "--tests", "300"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 45u);  // a batch of 44 plus the header
    EXPECT_EQ(fields(rows[44]).back(), "0");

    const CliRun wrapped = runCli({"trials", "--tests", "256"});
    EXPECT_EQ(lines(wrapped.out).size(), 257u);
}

TEST(CliTrials, NoiseMakesPeaksDiffer)
{
    const CliRun r = runCli({"trials", "--noise", "30", "--frames", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 3u);
    const auto first = fields(rows[1]);
    const auto second = fields(rows[2]);
    ASSERT_EQ(first.size(), 6u);
    EXPECT_NE(first[1], "106.384605");
    EXPECT_NE(first[1], second[1]);
}

TEST(CliTrials, ProbabilityUsesAPoint)
{
    // Width 4.5 at (-6,0)/(6,0) resolves some trials under noise but not all.
    const CliRun r =
        runCli({"trials", "--q", "4,5", "--t1", "-6,0", "--t2", "6,0", "--noise", "30", "--tests", "20"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto last = fields(lastLine(r.out));
    ASSERT_EQ(last.size(), 6u);
    const std::string probability = last.back();
    EXPECT_FALSE(probability.empty());
    EXPECT_EQ(probability.find(','), std::string::npos);
}

struct GoldenRun {
    const char* name;
    std::vector<std::string_view> args;
    std::string row;  // first frame, from the golden frames that start at generator state 0
};

void PrintTo(const GoldenRun& c, std::ostream* os) { *os << c.name; }

class CliGoldenFrame : public ::testing::TestWithParam<GoldenRun> {};

// Positions off the diagonal and not mirror images: X and Y read the wrong way round move
// the sources apart differently or give the cell other noise draws.
TEST_P(CliGoldenFrame, FirstFrameBitForBit)
{
    const auto& c = GetParam();
    const CliRun r = runCli(c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliGoldenFrame,
    ::testing::Values(GoldenRun{"noisy",
                                {"trials", "--q", "23.2938328", "--t1", "32,7", "--t2", "50,-1", "--noise",
                                 "30", "--threshold", "0.270000011", "--frames", "1"},
                                "1,50.925716,51.925716,64.99846,0,"},
                      GoldenRun{"resolved",
                                {"trials", "--q", "14.4741859", "--t1", "-8,35", "--t2", "26,-39", "--noise",
                                 "18", "--threshold", "0.181860194", "--frames", "1", "--tests", "1"},
                                "1,43.0748,43.0748,18.912226,1,1"}),
    [](const auto& info) { return info.param.name; });

TEST(CliSweep, OneRowPerStepWithWilsonBounds)
{
    const CliRun r = runCli({"sweep", "--tests", "4"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 122u);
    EXPECT_EQ(rows[0], "step,t2x,t2y,noise,threshold,resolved,trials,probability,ci_low,ci_high,p_expected");
    EXPECT_EQ(fields(rows[1]), (std::vector<std::string>{"0", "-60", "-60", "off", "0.27", "4", "4", "1",
                                                         "0.5101091635454027", "1", "1"}));
    const auto middle = fields(rows[61]);
    ASSERT_EQ(middle.size(), 11u);
    EXPECT_EQ(middle[1], "0");
    EXPECT_EQ(middle[5], "0");
    EXPECT_EQ(middle[7], "0");
    EXPECT_EQ(middle[10], "0");
}

TEST(CliSweep, ExpectedProbabilityOfEachStepsOwnParameters)
{
    const CliRun r =
        runCli({"sweep", "--vary", "noise,threshold", "--tests", "1", "--t1", "-15,0", "--t2", "15,0"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 122u);
    for (int step : {8, 60, 100}) {
        const auto row = fields(rows[static_cast<std::size_t>(step) + 1]);
        ASSERT_EQ(row.size(), 11u);
        const CliRun alone =
            runCli({"expected", "--t1", "-15,0", "--t2", "15,0", "--noise", row[3], "--threshold", row[4]});
        const auto aloneRows = lines(alone.out);
        ASSERT_EQ(aloneRows.size(), 2u) << alone.err;
        EXPECT_EQ(aloneRows[1], row[10]) << "step " << step;
    }
}

TEST(CliExpected, TheQuotedCheckAndTheNoiselessVerdicts)
{
    const CliRun r =
        runCli({"expected", "--t1", "-16,0", "--t2", "16,0", "--noise", "30", "--threshold", "0,35"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "p_expected");
    EXPECT_TRUE(matchesDigits(std::stod(rows[1]), 0.0220, 3));

    EXPECT_EQ(lines(runCli({"expected", "--t1", "-20,0", "--t2", "20,0"}).out).at(1), "1");
    EXPECT_EQ(lines(runCli({"expected", "--noise", "1"}).out).at(1), "0");
}

TEST(CliSweep, SharesInDoublePrecisionAndExactIntervalEnds)
{
    const CliRun r = runCli({"sweep", "--tests", "3", "--noise", "30"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::map<std::string, std::vector<std::string>> byResolved;  // a row for each count seen
    for (const std::string& row : lines(r.out)) {
        ASSERT_EQ(fields(row).size(), 11u) << row;
        byResolved[fields(row)[5]] = fields(row);
    }
    ASSERT_EQ(byResolved.size(), 5u) << "header and 0, 1, 2, 3 of 3 resolved";
    EXPECT_EQ(byResolved["1"][7], "0.3333333333333333");
    EXPECT_EQ(byResolved["2"][7], "0.6666666666666666");
    EXPECT_EQ(byResolved["0"][8], "0");
    EXPECT_EQ(byResolved["3"][9], "1");
}

TEST(CliSweep, VaryNoiseAndThreshold)
{
    const CliRun r = runCli({"sweep", "--vary", "noise,threshold", "--tests", "1", "--t2", "10,5"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 122u);
    const auto step18 = fields(rows[19]);
    const auto step120 = fields(rows[121]);
    ASSERT_EQ(step18.size(), 11u);
    ASSERT_EQ(step120.size(), 11u);
    EXPECT_EQ(step18[1], "10");  // T2 off the diagonal: x and y in their own columns
    EXPECT_EQ(step18[2], "5");
    EXPECT_EQ(step18[3], "4");
    EXPECT_EQ(step18[4], "0.14");
    EXPECT_EQ(step120[3], "30");
    EXPECT_EQ(step120[4], "0.99");
}

TEST(CliSweep, NothingVariedKeepsTheParameters)
{
    const CliRun r = runCli({"sweep", "--vary", "none", "--tests", "1", "--noise", "7"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 122u);
    const auto step50 = fields(rows[51]);
    ASSERT_EQ(step50.size(), 11u);
    EXPECT_EQ(step50[1], "0");
    EXPECT_EQ(step50[3], "7");
}

TEST(CliSweep, SameBytesForEveryThreadCountAndEveryRangeSplit)
{
    const std::vector<std::string_view> sweep = {"sweep", "--vary", "position,noise,threshold", "--tests",
                                                 "7"};
    auto withMore = [&](std::vector<std::string_view> more) {
        more.insert(more.begin(), sweep.begin(), sweep.end());
        const CliRun r = runCli(more);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    };
    const std::string whole = withMore({"--threads", "1"});
    for (std::string_view threads : {"2", "3", "8"})
        EXPECT_EQ(withMore({"--threads", threads}), whole) << threads << " threads";

    const std::string ranges =
        withMore({"--steps", "0-0", "--threads", "2"}) + withMore({"--steps", "1-59"}) +
        withMore({"--steps", "60-119", "--threads", "3"}) + withMore({"--steps", "120-120"});
    EXPECT_EQ(ranges, whole);

    // The header comes with step 0 or when asked for.
    const auto all = lines(whole);
    ASSERT_EQ(all.size(), 122u);
    EXPECT_EQ(lines(withMore({"--steps", "5-6", "--header"})),
              (std::vector<std::string>{all[0], all[6], all[7]}));
}

const std::string kThreadsTake = "--threads takes a number of threads from 1 to 1024, not ";
const std::string kVaryEmptyWord = "--vary: '' is not one of position, noise, threshold.";
const std::string kStepsTake = "--steps takes A-B with 0 <= A <= B <= 120 (for example --steps 0-29), not ";

TEST_P(CliRefuses, WithAMessageAndStatus2AndNoOutput)
{
    const auto& c = GetParam();
    const CliRun r = runCli(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, c.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliRefuses,
    ::testing::Values(
        BadCase{"bad_q", {"trials", "--q", "abc"}, "--q: 'abc' is not a valid floating point value."},
        BadCase{"empty_q", {"trials", "--q", ""}, "--q: '' is not a valid floating point value."},
        BadCase{"two_separators",
                {"sweep", "--threshold", "0,2.7"},
                "--threshold: '0,2.7' is not a valid floating point value."},
        BadCase{"bad_batch", {"trials", "--tests", "5,5"}, "--tests: '5,5' is not a valid integer value."},
        BadCase{"batch_beyond_32_bits",
                {"trials", "--tests", "4294967296"},
                "--tests: '4294967296' is not a valid integer value."},
        BadCase{"sweep_tests_decimal",
                {"sweep", "--tests", "2,5"},
                "--tests: '2,5' is not a valid integer value."},
        BadCase{"noise_word", {"trials", "--noise=loud"}, "--noise: 'loud' is not a valid integer value."},
        BadCase{"bad_position", {"trials", "--t1", "x,0"}, "--t1: 'x' is not a valid integer value."},
        BadCase{"position_out_of_range", {"trials", "--t2", "0,61"}, "--t2: 61 is outside -60..60."},
        BadCase{"position_without_comma",
                {"trials", "--t1", "5"},
                "--t1 takes X,Y (for example --t1 -20,0), not '5'."},
        BadCase{"noise_out_of_range", {"trials", "--noise", "31"}, "--noise: 31 is outside 0..30."},
        BadCase{"negative_frames", {"trials", "--frames", "-1"}, "--frames: -1 is outside 0..2147483647."},
        BadCase{"sweep_tests_zero", {"sweep", "--tests", "0"}, "--tests: 0 is outside 1..1000000."},
        BadCase{"sweep_tests_too_many",
                {"sweep", "--tests", "1000001"},
                "--tests: 1000001 is outside 1..1000000."},
        BadCase{"unknown_vary",
                {"sweep", "--vary", "position,colour"},
                "--vary: 'colour' is not one of position, noise, threshold."},
        BadCase{"frames_in_sweep",
                {"sweep", "--frames", "3"},
                "brenvik-cli sweep: unknown option '--frames'. See 'brenvik-cli sweep --help'."},
        BadCase{"expected_takes_no_tests",
                {"expected", "--tests", "5"},
                "brenvik-cli expected: unknown option '--tests'. See 'brenvik-cli expected --help'."},
        BadCase{
            "expected_noise_out_of_range", {"expected", "--noise", "31"}, "--noise: 31 is outside 0..30."},
        BadCase{"missing_value", {"trials", "--q"}, "--q needs a value. See 'brenvik-cli trials --help'."},
        BadCase{"no_command", {}, "brenvik-cli: no command given. See 'brenvik-cli --help'."},
        BadCase{
            "unknown_command", {"plot"}, "brenvik-cli: unknown command 'plot'. See 'brenvik-cli --help'."},
        BadCase{
            "cyrillic_q", {"trials", "--q", "девять"}, "--q: 'девять' is not a valid floating point value."},
        BadCase{"q_beyond_extended",
                {"trials", "--q", "1e5000"},
                "--q: '1e5000' is not a valid floating point value."},
        BadCase{"frames_beyond_32_bits",
                {"trials", "--frames", "99999999999"},
                "--frames: 99999999999 is outside 0..2147483647."},
        BadCase{"frames_signed_beyond_32_bits",
                {"trials", "--frames", "+99999999999"},
                "--frames: +99999999999 is outside 0..2147483647."},
        BadCase{"position_beyond_32_bits",
                {"trials", "--t1", "-99999999999,0"},
                "--t1: -99999999999 is outside -60..60."},
        BadCase{"position_three_numbers",
                {"trials", "--t2", "1,2,3"},
                "--t2 takes X,Y (for example --t2 -20,0), not '1,2,3'."},
        BadCase{"vary_none_combined",
                {"sweep", "--vary", "none,position"},
                "--vary: none cannot be combined with position, noise or threshold."},
        BadCase{"vary_leading_comma", {"sweep", "--vary", ",noise"}, kVaryEmptyWord},
        BadCase{"vary_double_comma", {"sweep", "--vary", "noise,,threshold"}, kVaryEmptyWord},
        BadCase{"vary_trailing_comma", {"sweep", "--vary", "noise,"}, kVaryEmptyWord},
        BadCase{"vary_empty",
                {"sweep", "--vary", ""},
                "--vary: give none, or one or more of position, noise, threshold."},
        BadCase{"noise_negative", {"trials", "--noise", "-1"}, "--noise: -1 is outside 0..30."},
        BadCase{"position_beyond_8_bits", {"trials", "--t1", "200,0"}, "--t1: 200 is outside -60..60."},
        BadCase{"threads_zero", {"sweep", "--threads", "0"}, kThreadsTake + "'0'."},
        BadCase{"threads_negative", {"sweep", "--threads", "-2"}, kThreadsTake + "'-2'."},
        BadCase{"threads_not_a_number", {"sweep", "--threads=two"}, kThreadsTake + "'two'."},
        BadCase{"threads_fraction", {"sweep", "--threads", "1.5"}, kThreadsTake + "'1.5'."},
        BadCase{"threads_too_many", {"sweep", "--threads", "1025"}, kThreadsTake + "'1025'."},
        BadCase{"threads_in_trials",
                {"trials", "--threads", "2"},
                "brenvik-cli trials: unknown option '--threads'. See 'brenvik-cli trials --help'."},
        BadCase{"steps_reversed", {"sweep", "--steps", "40-20"}, kStepsTake + "'40-20'."},
        BadCase{"steps_beyond_120", {"sweep", "--steps", "100-121"}, kStepsTake + "'100-121'."},
        BadCase{"steps_negative", {"sweep", "--steps", "-5-10"}, kStepsTake + "'-5-10'."},
        BadCase{"steps_one_number", {"sweep", "--steps", "7"}, kStepsTake + "'7'."},
        BadCase{"steps_three_numbers", {"sweep", "--steps", "1-2-3"}, kStepsTake + "'1-2-3'."},
        BadCase{"steps_open_end", {"sweep", "--steps", "3-"}, kStepsTake + "'3-'."},
        BadCase{"steps_blank", {"sweep", "--steps", " 1-2"}, kStepsTake + "' 1-2'."},
        BadCase{"repeated_option",
                {"trials", "--q=1", "--frames", "2", "--q", "2"},
                "brenvik-cli trials: --q is given twice; each option is taken once."},
        BadCase{"repeated_flag",
                {"sweep", "--header", "--header"},
                "brenvik-cli sweep: --header is given twice; each option is taken once."},
        BadCase{"header_with_value",
                {"sweep", "--header=yes"},
                "brenvik-cli sweep: unknown option '--header=yes'. See 'brenvik-cli sweep --help'."}),
    [](const auto& info) { return info.param.name; });

struct AcceptedCase {
    const char* name;
    std::vector<std::string_view> args;
    int rows;                  // frames printed
    std::string warning = "";  // the line on standard error, if any
};

const std::string kQZero = "--q: warning: with width 0 every intensity is NaN, and the criterion then counts "
                           "every trial as resolved.";
const std::string kQNegative = "--q: warning: a negative width makes the intensities negative, and the "
                               "criterion then counts a trial as resolved when its peaks do not stand out.";
const std::string kQInfinite = "--q: warning: the width is beyond single precision and so infinite: every "
                               "intensity is 0, and without noise every trial counts as resolved.";
const std::string kThresholdNegative = "--threshold: warning: a negative threshold lets a trial count as "
                                       "resolved even when its peaks lie below the cell mean.";
const std::string kThresholdOne =
    "--threshold: warning: at 1 or more no trial counts as resolved while the cell mean is above 0.";

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }

class CliAccepts : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(CliAccepts, ExtremeButValidValues)
{
    const auto& c = GetParam();
    const CliRun r = runCli(c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, c.warning.empty() ? "" : c.warning + "\n");
    EXPECT_EQ(lines(r.out).size(), static_cast<std::size_t>(c.rows) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliAccepts,
    ::testing::Values(
        AcceptedCase{"q_zero", {"trials", "--q", "0"}, 5, kQZero},
        AcceptedCase{"q_minus_zero", {"trials", "--q", "-0"}, 5, kQZero},
        AcceptedCase{"expected_q_zero", {"expected", "--q", "0"}, 1, kQZero},
        AcceptedCase{"q_negative", {"sweep", "--q", "-9", "--tests", "1"}, 121, kQNegative},
        AcceptedCase{"q_1e38", {"trials", "--q", "1e38"}, 5},
        AcceptedCase{"q_1e400", {"trials", "--q", "1e400"}, 5, kQInfinite},
        AcceptedCase{"q_minus_1e400", {"trials", "--q", "-1e400"}, 5, kQInfinite},
        AcceptedCase{"q_1e4932_within_extended", {"trials", "--q", "1e4932"}, 5, kQInfinite},
        AcceptedCase{"threshold_zero", {"trials", "--threshold", "0"}, 5},
        AcceptedCase{"threshold_negative", {"expected", "--threshold", "-1"}, 1, kThresholdNegative},
        AcceptedCase{"threshold_1e30", {"trials", "--threshold", "1e30"}, 5, kThresholdOne},
        AcceptedCase{"threshold_one", {"trials", "--threshold", "1"}, 5, kThresholdOne},
        AcceptedCase{"threshold_swept", {"sweep", "--threshold", "-1", "--vary", "threshold"}, 121},
        AcceptedCase{"batch_zero", {"trials", "--tests", "0"}, 256},
        AcceptedCase{"batch_255", {"trials", "--tests", "255"}, 255},
        AcceptedCase{"batch_256", {"trials", "--tests", "256"}, 256},
        AcceptedCase{"batch_int_max", {"trials", "--tests", "2147483647"}, 255},
        AcceptedCase{"batch_minus_one", {"trials", "--tests", "-1"}, 255},
        AcceptedCase{"no_frames", {"trials", "--frames", "0"}, 0},
        AcceptedCase{"noise_edges", {"trials", "--noise", "0", "--frames", "2"}, 2},
        // The largest values each limit lets through.
        AcceptedCase{"noise_30", {"expected", "--noise", "30"}, 1},
        AcceptedCase{"positions_at_the_edges", {"trials", "--t1", "-60,60", "--t2", "60,-60"}, 5},
        AcceptedCase{"threads_1024", {"sweep", "--threads", "1024", "--steps", "0-0", "--tests", "1"}, 1},
        AcceptedCase{
            "sweep_tests_1000000", {"sweep", "--vary", "none", "--tests", "1000000", "--steps", "0-0"}, 1},
        AcceptedCase{"steps_0_to_120", {"sweep", "--steps", "0-120", "--tests", "1"}, 121}),
    [](const auto& info) { return info.param.name; });

TEST(CliAcceptsExtremes, ZeroWidthResolvesAndHugeThresholdNever)
{
    const auto zero = fields(lastLine(runCli({"trials", "--q", "0"}).out));
    ASSERT_EQ(zero.size(), 6u);
    EXPECT_TRUE(std::isnan(std::stod(zero[1]))) << zero[1];
    EXPECT_EQ(zero[4], "1");
    EXPECT_EQ(zero[5], "1");
    const auto strict =
        fields(lastLine(runCli({"trials", "--threshold", "1e30", "--t1", "-20,0", "--t2", "20,0"}).out));
    ASSERT_EQ(strict.size(), 6u);
    EXPECT_EQ(strict[4], "0");
    EXPECT_EQ(strict[5], "0");
}

TEST(CliHelp, ToolAndEachCommand)
{
    const CliRun tool = runCli({"--help"});
    EXPECT_EQ(tool.status, 0);
    EXPECT_NE(tool.out.find("brenvik-cli trials"), std::string::npos);
    EXPECT_NE(tool.out.find("brenvik-cli sweep"), std::string::npos);

    const CliRun trials = runCli({"trials", "--q", "7", "--help"});
    EXPECT_EQ(trials.status, 0);
    EXPECT_NE(trials.out.find("--frames N"), std::string::npos);
    EXPECT_NE(trials.out.find("--t1 X,Y"), std::string::npos);

    const CliRun sweep = runCli({"sweep", "-h"});
    EXPECT_EQ(sweep.status, 0);
    EXPECT_NE(sweep.out.find("--vary LIST"), std::string::npos);
    EXPECT_NE(sweep.out.find("Wilson"), std::string::npos);
    EXPECT_NE(sweep.out.find("p_expected"), std::string::npos);

    EXPECT_NE(tool.out.find("brenvik-cli expected"), std::string::npos);
    const CliRun expected = runCli({"expected", "--help"});
    EXPECT_EQ(expected.status, 0);
    EXPECT_NE(expected.out.find("P(N = n) * P1(n) * P2(n)"), std::string::npos);
    EXPECT_NE(expected.out.find("--noise LEVEL"), std::string::npos);
}

TEST(CliVersion, AloneOrAfterACommand)
{
    for (const auto& args :
         {std::vector<std::string_view>{"--version"}, {"-V"}, {"map", "--y", "noise", "-V"}}) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "brenvik-cli " BRENVIK_VERSION "\n") << args.front();
        EXPECT_EQ(r.err, "");
    }
}

// The help pages are put together from prose and the option table; the manual page and the
// completion read them. They stand as stored here, byte for byte (a change to the help is a
// change to these files too).
TEST(CliHelp, PagesAsStored)
{
    for (const char* command : {"overview", "trials", "sweep", "expected", "map", "limit"}) {
        std::ifstream file(std::string(BRENVIK_CLI_HELP_DIR) + "/" + command + ".txt", std::ios::binary);
        ASSERT_TRUE(file) << command;
        const std::string stored{std::istreambuf_iterator<char>(file), {}};
        const std::string name = command;
        const CliRun r = name == "overview" ? runCli({"--help"}) : runCli({command, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, stored) << command;
    }
}

// The option an entry of a help list names: "  --name VALUE  what it does" or
// "  --name  what it does"; nothing for any other line.
std::optional<std::string> listedOption(const std::string& line)
{
    if (!line.starts_with("  --"))
        return std::nullopt;
    const auto nameEnd = line.find(' ', 2);
    if (nameEnd == std::string::npos)
        return std::nullopt;
    const auto valueEnd = line.compare(nameEnd, 2, "  ") == 0 ? nameEnd : line.find(' ', nameEnd + 1);
    if (valueEnd == std::string::npos || line.compare(valueEnd, 2, "  ") != 0)
        return std::nullopt;
    return line.substr(2, nameEnd - 2);
}

// Help and parsing read one table; a row that lists an option under the wrong command, or
// in no list at all, shows here as an option taken but not listed, or listed but unknown.
TEST(CliHelp, EachCommandListsExactlyTheOptionsItTakes)
{
    std::map<std::string, std::set<std::string>> listed;
    std::set<std::string> everyOption;
    for (const char* command : {"trials", "sweep", "expected", "map", "limit"}) {
        for (const std::string& line : lines(runCli({command, "--help"}).out)) {
            if (const auto option = listedOption(line)) {
                listed[command].insert(*option);
                everyOption.insert(*option);
            }
        }
    }
    ASSERT_EQ(listed.size(), 5u);
    for (const auto& [command, options] : listed) {
        for (const std::string& option : everyOption) {
            // "--help" after the option: a value it refuses, or the help; never a run. An
            // option refused by name ("--t2 is not taken; …") is not taken either.
            const CliRun r = runCli({command, option, "--help"});
            const bool known = r.err.find(": unknown option '") == std::string::npos &&
                               r.err.find(option + " is not taken;") == std::string::npos;
            EXPECT_EQ(known, options.contains(option)) << command << ' ' << option << ": " << r.err;
        }
    }
}

// The English caption of a box of the main window, as the translation file gives it.
std::string englishCaption(const std::string& russian)
{
    std::ifstream file(BRENVIK_TS_FILE);
    const std::string ts{std::istreambuf_iterator<char>(file), {}};
    const auto source = ts.find("<source>" + russian + "</source>");
    const auto open = ts.find("<translation>", source);
    if (source == std::string::npos || open == std::string::npos)
        return "";
    const auto first = open + std::string_view("<translation>").size();
    return ts.substr(first, ts.find("</translation>", first) - first);
}

TEST(CliHelp, NamesTheBatchBoxInBothLanguages)
{
    const std::string english = englishCaption("Кол-во тестов:");
    ASSERT_FALSE(english.empty());
    const std::string help = runCli({"trials", "--help"}).out;
    EXPECT_NE(help.find("\"Кол-во тестов:\" (\"" + english + "\" in English)"), std::string::npos) << help;
}

// The example in each command's help runs and gives the rows it promises.
TEST(CliHelp, ExamplesOfTestsRun)
{
    struct Example {
        const char* command;
        int rows;
        int probabilities;  // rows whose last field is filled
    };
    for (const Example e : {Example{"trials", 30, 3}, Example{"sweep", 121, 121}}) {
        const std::string help = runCli({e.command, "--help"}).out;
        const std::vector<std::string> stored = helpExample(help);
        const std::vector<std::string_view> args(stored.begin(), stored.end());
        ASSERT_FALSE(args.empty()) << e.command;
        ASSERT_EQ(args.front(), e.command);
        EXPECT_NE(std::find(args.begin(), args.end(), "--tests"), args.end()) << e.command;
        const CliRun r = runCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        auto rows = lines(r.out);
        ASSERT_FALSE(rows.empty());
        rows.erase(rows.begin());
        EXPECT_EQ(rows.size(), static_cast<std::size_t>(e.rows)) << e.command;
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                                [](const std::string& row) { return !row.ends_with(','); }),
                  e.probabilities)
            << e.command;
    }
}

}  // namespace
