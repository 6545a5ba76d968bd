// The sweep's progress line: its text, and when a run is long enough to earn one.

#include "cli/cli.h"
#include "cli/progress.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using brenvik::cli::progressLine;
using brenvik::cli::progressText;
using brenvik::cli::progressWorthShowing;

TEST(SweepProgress, Texts)
{
    EXPECT_EQ(progressText(37, 0, 120, 0.3099, 41.2), "step 37 of steps 0–120, 30 % done, about 42 s left");
    EXPECT_EQ(progressText(60, 60, 90, 0.0, -1.0),
              "step 60 of steps 60–90, 0 % done, time left not yet known");
    EXPECT_EQ(progressText(5, 0, 120, 0.04, 125.0), "step 5 of steps 0–120, 4 % done, about 2 min 05 s left");
}

TEST(SweepProgress, LinesOfAShortRange)
{
    brenvik::SweepSettings settings;
    settings.firstStep = 118;
    settings.lastStep = 120;
    settings.trialsPerStep = 2;
    EXPECT_EQ(progressLine(settings, 2, 3.0), "step 119 of steps 118–120, 33 % done, about 6 s left");
    EXPECT_EQ(progressLine(settings, 6, 9.0), "step 120 of steps 118–120, 100 % done, about 0 s left");
}

// Standard error only, erased at the end; standard output as without a terminal.
TEST(SweepProgress, OnStandardErrorAlone)
{
    const std::vector<std::string_view> args{"sweep", "--steps", "118-120", "--tests", "2"};
    double now = 0.0;
    const auto slowClock = [&now] { return now += 10.0; };  // a run that seems long at once
    std::ostringstream out, err, quietOut, quietErr;
    ASSERT_EQ(brenvik::cli::run(args, out, err, {false, true}, slowClock), 0);
    ASSERT_EQ(brenvik::cli::run(args, quietOut, quietErr), 0);
    EXPECT_EQ(out.str(), quietOut.str());
    EXPECT_EQ(quietErr.str(), "");
    const std::string shown = err.str();
    EXPECT_TRUE(shown.starts_with("\r\x1b[Kstep ")) << shown;
    EXPECT_NE(shown.find(" of steps 118–120, "), std::string::npos) << shown;
    EXPECT_TRUE(shown.ends_with("\r\x1b[K")) << shown;
}

struct Moment {
    double elapsed;
    double share;
    bool shown;
};

// Names the case in the test's name, which would otherwise hold the struct's raw bytes.
void PrintTo(const Moment& m, std::ostream* os) { *os << m.elapsed << " s, share " << m.share; }

class ProgressWorthShowing : public ::testing::TestWithParam<Moment> {};

TEST_P(ProgressWorthShowing, OnlyForRunsLongerThanTwoSeconds)
{
    EXPECT_EQ(progressWorthShowing(GetParam().elapsed, GetParam().share), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Moments, ProgressWorthShowing,
                         ::testing::Values(Moment{0.4, 0.01, false},  // too early to tell
                                           Moment{0.5, 0.5, false},   // a one-second run
                                           Moment{0.6, 0.25, true},   // 2.4 s in all
                                           Moment{1.0, 0.5, false},   // exactly two
                                           Moment{0.6, 0.0, true},    // nothing done yet
                                           Moment{3.0, 0.99, true}));

TEST(SweepProgress, AShortRunLeavesNoTrace)
{
    std::ostringstream err;
    brenvik::SweepSettings settings;
    {
        brenvik::cli::SweepProgress progress(err, settings);
        progress.trialsDone() += settings.trialsPerStep * 121;
    }
    EXPECT_EQ(err.str(), "");
}

}  // namespace
