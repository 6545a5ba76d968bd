#include "cli/input_warnings.h"

#include <cmath>

namespace brenvik::cli {

std::vector<std::string> inputWarnings(const Options& options)
{
    std::vector<std::string> warnings;
    if (options.command == Command::Help)
        return warnings;
    const float Q = options.parameters.q;
    // An infinite width of either sign makes every intensity 0 (-0 when negative).
    if (Q == 0.0f) {
        warnings.emplace_back(
            "--q: warning: with width 0 every intensity is NaN, and the criterion then counts "
            "every trial as resolved.");
    } else if (std::isinf(Q)) {
        warnings.emplace_back("--q: warning: the width is beyond single precision and so infinite: every "
                              "intensity is 0, and without noise every trial counts as resolved.");
    } else if (Q < 0.0f) {
        warnings.emplace_back(
            "--q: warning: a negative width makes the intensities negative, and the criterion "
            "then counts a trial as resolved when its peaks do not stand out.");
    }
    // A threshold sweep replaces the threshold given.
    if (options.command == Command::Sweep && options.vary.threshold)
        return warnings;
    const float threshold = options.parameters.threshold;
    if (threshold < 0.0f) {
        warnings.emplace_back(
            "--threshold: warning: a negative threshold lets a trial count as resolved even when "
            "its peaks lie below the cell mean.");
    } else if (threshold >= 1.0f) {
        warnings.emplace_back(
            "--threshold: warning: at 1 or more no trial counts as resolved while the cell mean "
            "is above 0.");
    }
    return warnings;
}

}  // namespace brenvik::cli
