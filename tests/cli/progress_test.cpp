// The sweep's progress line: its text, and when a run is long enough to earn one.

#include "cli/progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using brenvik::cli::progressText;
using brenvik::cli::progressWorthShowing;

TEST(SweepProgress, Texts)
{
    EXPECT_EQ(progressText(37, 0, 120, 0.3099, 41.2), "step 37 of 0-120, 30 % done, about 42 s left");
    EXPECT_EQ(progressText(60, 60, 90, 0.0, -1.0), "step 60 of 60-90, 0 % done, time left not yet known");
    EXPECT_EQ(progressText(5, 0, 120, 0.04, 125.0), "step 5 of 0-120, 4 % done, about 2 min 05 s left");
    EXPECT_EQ(progressText(120, 0, 120, 1.0, 0.0), "step 120 of 0-120, 100 % done, about 0 s left");
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
