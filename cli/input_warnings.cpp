#include "cli/input_warnings.h"

#include "model/input_warnings.h"

namespace brenvik::cli {

namespace {

const char* warningText(InputWarning warning)
{
    switch (warning) {
    case InputWarning::zeroWidth:
        return "--q: warning: with width 0 every intensity is NaN, and the criterion then counts "
               "every trial as resolved.";
    case InputWarning::negativeWidth:
        return "--q: warning: a negative width makes the intensities negative, and the criterion "
               "then counts a trial as resolved when its peaks do not stand out.";
    case InputWarning::infiniteWidth:
        return "--q: warning: the width is beyond single precision and so infinite: every "
               "intensity is 0, and without noise every trial counts as resolved.";
    case InputWarning::negativeThreshold:
        return "--threshold: warning: a negative threshold lets a trial count as resolved even when "
               "its peaks lie below the cell mean.";
    case InputWarning::thresholdOfOneOrMore:
        return "--threshold: warning: at 1 or more no trial counts as resolved while the cell mean "
               "is above 0.";
    }
    return "";
}

}  // namespace

std::vector<std::string> inputWarnings(const Options& options)
{
    std::vector<std::string> warnings;
    if (options.command == Command::Help)
        return warnings;
    // A threshold sweep replaces the threshold given.
    const bool thresholdUsed = !(options.command == Command::Sweep && options.vary.threshold);
    for (const InputWarning warning : brenvik::inputWarnings(options.parameters, thresholdUsed))
        warnings.emplace_back(warningText(warning));
    return warnings;
}

}  // namespace brenvik::cli
