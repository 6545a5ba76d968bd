#include "cli_run.h"

#include "cli/parse_options.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace brenvik::cli::test;

std::string expectedAt(std::vector<std::string> args)
{
    std::vector<std::string_view> view{"expected"};
    view.insert(view.end(), args.begin(), args.end());
    const CliRun r = runCli(view);
    EXPECT_EQ(r.status, 0) << r.err;
    return lines(r.out).at(1);
}

TEST(CliMap, NoiseRowsEqualTheExpectedCommandAtEveryPointTried)
{
    const CliRun r = runCli({"map", "--y", "noise", "--t1", "-12,4", "--q", "8,5", "--threshold", "0.3"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 1u + 31 * 121);
    EXPECT_EQ(rows[0], "step,t2x,t2y,separation,noise,threshold,p_expected,q,t1x,t1y");
    EXPECT_EQ(rows[1], "0,-60,-60,80,0,0.3,1,8.5,-12,4");  // |(-60,-60) - (-12,4)| = 80
    for (int level : {0, 7, 19, 30}) {
        for (int step : {0, 33, 50, 61, 87, 120}) {
            const auto f = fields(rows.at(1 + static_cast<std::size_t>(level) * 121 + step));
            ASSERT_EQ(f.size(), 10u);
            EXPECT_EQ(std::vector<std::string>(f.begin() + 7, f.end()),
                      (std::vector<std::string>{"8.5", "-12", "4"}));
            EXPECT_EQ(f[0], std::to_string(step));
            EXPECT_EQ(f[1], std::to_string(step - 60));
            EXPECT_EQ(f[4], std::to_string(level));
            const std::string t2 = f[1] + "," + f[2];
            EXPECT_EQ(f[6], expectedAt({"--t1", "-12,4", "--q", "8,5", "--threshold", "0.3", "--t2", t2,
                                        "--noise", f[4]}))
                << rows.at(1 + static_cast<std::size_t>(level) * 121 + step);
        }
    }
}

TEST(CliMap, ThresholdRowsAsTheSweepSetsThemAndTheSameForAnyThreadCount)
{
    const CliRun r = runCli({"map", "--y", "threshold", "--noise", "20", "--t1", "-15,0", "--threads", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 1u + 100 * 121);
    for (int t : {0, 1, 14, 29, 50, 99}) {
        for (int step : {10, 45, 60, 75}) {
            const auto f = fields(rows.at(1 + static_cast<std::size_t>(t) * 121 + step));
            const std::string text = t == 0        ? "0"
                                     : t % 10 == 0 ? "0." + std::to_string(t / 10)
                                                   : (t < 10 ? "0.0" : "0.") + std::to_string(t);
            EXPECT_EQ(f[5], text);
            EXPECT_EQ(f[4], "20");
            EXPECT_EQ(f[6], expectedAt({"--t1", "-15,0", "--t2", f[1] + "," + f[2], "--noise", "20",
                                        "--threshold", f[5]}));
        }
    }
    // Without noise the probability is the noiseless verdict, and the column says "off".
    const auto quiet = lines(runCli({"map", "--y", "threshold"}).out);
    EXPECT_EQ(fields(quiet.at(1)), (std::vector<std::string>{"0", "-60", "-60", "84.8528137423857", "off",
                                                             "0", "1", "9", "0", "0"}));

    for (const char* threads : {"2", "5"})
        EXPECT_EQ(
            runCli({"map", "--y", "threshold", "--noise", "20", "--t1", "-15,0", "--threads", threads}).out,
            r.out)
            << threads << " threads";
}

TEST(CliLimit, EveryPassingOfEachRow)
{
    const CliRun r = runCli({"limit", "--y", "noise"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows[0], "noise,threshold,crossings,steps,at_step,separation,separation_q,direction");
    // No noise: resolved up to step 42 and from step 78 on, so 0.5 is passed half-way.
    const auto quiet = fields(rows[1]);
    EXPECT_EQ(quiet[0], "0");
    EXPECT_EQ(quiet[1], "0.27");
    EXPECT_EQ(quiet[2], "2");
    EXPECT_EQ(quiet[3], "42-43 77-78");
    EXPECT_EQ(quiet[4], "42.5 77.5");
    EXPECT_EQ(quiet[7], "down up");
    std::istringstream separations(quiet[5]);
    double near = 0, far = 0;
    separations >> near >> far;
    EXPECT_DOUBLE_EQ(near, 17.5 * std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(far, 17.5 * std::sqrt(2.0));
    std::istringstream inQ(quiet[6]);
    inQ >> near;
    EXPECT_DOUBLE_EQ(near, 17.5 * std::sqrt(2.0) / 9);

    // At 0.9 the noisy rows pass later than at 0.5: the sources must be farther apart.
    const auto strict = lines(runCli({"limit", "--y", "noise", "--p", "0,9"}).out);
    for (int level = 2; level <= 30; ++level) {
        const auto half = fields(rows.at(1 + level));
        const auto ninety = fields(strict.at(1 + level));
        ASSERT_EQ(ninety[2], "2") << level;
        EXPECT_LT(std::stod(ninety[4]), std::stod(half[4])) << level;
        EXPECT_GT(std::stod(ninety[5]), std::stod(half[5])) << level;
    }
    // Resolved everywhere at threshold 0 with no noise: a row that never passes P.
    const auto never =
        fields(lines(runCli({"limit", "--y", "threshold", "--t1", "-60,-60", "--q", "1"}).out).at(1));
    EXPECT_EQ(never, (std::vector<std::string>{"off", "0", "0", "", "", "", "", ""}));
}

// Run by the refusals' test in cli_test.cpp.
INSTANTIATE_TEST_SUITE_P(
    MapCases, CliRefuses,
    ::testing::Values(
        BadCase{"no_axis",
                {"map"},
                "brenvik-cli map: --y noise or --y threshold is needed. See 'brenvik-cli map --help'."},
        BadCase{"limit_no_axis",
                {"limit", "--p", "0.9"},
                "brenvik-cli limit: --y noise or --y threshold is needed. See 'brenvik-cli limit --help'."},
        BadCase{"unknown_axis", {"map", "--y", "position"}, "--y takes noise or threshold, not 'position'."},
        BadCase{"axis_without_value", {"limit", "--y"}, "--y needs a value. See 'brenvik-cli limit --help'."},
        BadCase{"t2",
                {"map", "--y", "noise", "--t2", "5,5"},
                "brenvik-cli map: --t2 is not taken; T2 moves along the diagonal, the map's x axis."},
        BadCase{"noise_rows_and_noise",
                {"map", "--noise", "20", "--y", "noise"},
                "brenvik-cli map: --noise is not taken with --y noise; the rows are the noise levels."},
        BadCase{
            "threshold_rows_and_threshold",
            {"limit", "--y", "threshold", "--threshold", "0.3"},
            "brenvik-cli limit: --threshold is not taken with --y threshold; the rows are the thresholds."},
        BadCase{"p_zero",
                {"limit", "--y", "noise", "--p", "0"},
                "--p takes a probability above 0 and at most 1, not '0'."},
        BadCase{"p_above_one",
                {"limit", "--y", "noise", "--p", "1,01"},
                "--p takes a probability above 0 and at most 1, not '1,01'."},
        BadCase{"p_a_hair_above_one",
                {"limit", "--y", "noise", "--p", "1.0000000000000001"},
                "--p takes a probability above 0 and at most 1, not '1.0000000000000001'."},
        BadCase{"p_above_one_beyond_extended",
                {"limit", "--y", "noise", "--p", "1,000000000000000000000001e0"},
                "--p takes a probability above 0 and at most 1, not '1,000000000000000000000001e0'."},
        BadCase{"p_zero_in_double",
                {"limit", "--y", "noise", "--p", "1e-400"},
                "--p takes a probability above 0 and at most 1, not '1e-400'."},
        BadCase{"repeated_axis",
                {"map", "--y", "noise", "--y", "threshold"},
                "brenvik-cli map: --y is given twice; each option is taken once."},
        BadCase{"p_word",
                {"limit", "--y", "noise", "--p", "half"},
                "--p: 'half' is not a valid floating point value."},
        BadCase{"p_for_map",
                {"map", "--y", "noise", "--p", "0.5"},
                "brenvik-cli map: unknown option '--p'. See 'brenvik-cli map --help'."},
        BadCase{"axis_for_sweep",
                {"sweep", "--y", "noise"},
                "brenvik-cli sweep: unknown option '--y'. See 'brenvik-cli sweep --help'."},
        BadCase{"threads_zero",
                {"map", "--y", "noise", "--threads", "0"},
                "--threads takes a number of threads from 1 to 1024, not '0'."},
        BadCase{"bad_q",
                {"limit", "--y", "threshold", "--q", "9..0"},
                "--q: '9..0' is not a valid floating point value."},
        BadCase{"noise_out_of_range",
                {"map", "--y", "threshold", "--noise", "31"},
                "--noise: 31 is outside 0..30."}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return info.param.name; });

// Up to 1 exactly, however the text writes it, and as close to 0 as a double goes.
TEST(CliLimit, ProbabilityTakenAsWritten)
{
    for (const auto& [text, p] : {std::pair{"0.99999999999999999999", 1.0},
                                  {"1", 1.0},
                                  {"1.000", 1.0},
                                  {"10e-1", 1.0},
                                  {"0,0001e4", 1.0},
                                  {"0.5", 0.5},
                                  {"1e-300", 1e-300}}) {
        const std::vector<std::string_view> args = {"limit", "--y", "noise", "--p", text};
        const auto options = brenvik::cli::parseOptions(args);
        EXPECT_EQ(options.limitP, p) << text;
    }
}

TEST(CliMapHelp, ToolAndBothCommandsAndTheirExamplesRun)
{
    const CliRun tool = runCli({"--help"});
    EXPECT_NE(tool.out.find("brenvik-cli map   --y noise|threshold"), std::string::npos);
    EXPECT_NE(tool.out.find("brenvik-cli limit --y noise|threshold [--p P]"), std::string::npos);
    struct Example {
        const char* command;
        std::size_t rows;
        const char* mentions;
    };
    for (const Example e :
         {Example{"map", 1 + 31 * 121, "--threads N"}, Example{"limit", 1 + 100, "--p P"}}) {
        const CliRun help = runCli({e.command, "--y", "noise", "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find(e.mentions), std::string::npos) << e.command;
        EXPECT_NE(help.out.find("--t1 X,Y"), std::string::npos) << e.command;
        EXPECT_NE(help.out.find("Columns: "), std::string::npos) << e.command;
        const std::vector<std::string> stored = helpExample(help.out);
        const std::vector<std::string_view> args(stored.begin(), stored.end());
        ASSERT_FALSE(args.empty()) << e.command;
        ASSERT_EQ(args.front(), e.command);
        const CliRun r = runCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(lines(r.out).size(), e.rows) << e.command;
    }
}

}  // namespace
