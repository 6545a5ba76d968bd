#pragma once
// The points a sweep plotted since its last Start, each with the parameters its batch's
// trials were made with, for saving as CSV. No Qt: the browser edition writes the same file.

#include "model/batch_result.h"

#include <string>
#include <vector>

namespace brenvik {

struct SweepPoint {
    int step = 0;
    Extended probability = 0;  ///< the level drawn
    BatchTrials trials;        ///< the parameters of the batch that gave the level
    double expected = 0.0;     ///< the share that batch is expected to give (expectedShare)
};

/// One row per point, "." as decimal point:
/// step,probability,trials,first_t2x,first_t2y,first_noise,first_threshold,
/// last_t2x,last_t2y,last_noise,last_threshold,last_trials,p_expected
/// first_ and last_ are the parameters of the batch's first and last trial, last_trials
/// how many trials at its end were made with the last ones; noise is the level or "off";
/// p_expected is the share the batch is expected to give.
std::string sweepCsv(const std::vector<SweepPoint>& points);

}  // namespace brenvik
