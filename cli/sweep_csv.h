#pragma once
// The CSV of `brenvik-cli sweep`: its header and one row per step, kept together so
// that a column is added in one place.

#include "model/expected_probability.h"
#include "model/sweep_experiment.h"

#include <ostream>
#include <string_view>

namespace brenvik::cli {

inline constexpr std::string_view kSweepCsvHeader =
    "step,t2x,t2y,noise,threshold,resolved,trials,probability,ci_low,ci_high,p_expected\n";

/// The row of one step; `expected` gives the last column, the expected probability of
/// the step's parameters.
void writeSweepCsvRow(std::ostream& out, const SweepStepResult& r, ExpectedProbability& expected);

}  // namespace brenvik::cli
