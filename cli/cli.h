#pragma once
// brenvik-cli: the resolution model without a window, for lab reports and scripts.

#include "cli/options.h"
#include "cli/progress.h"

#include <ostream>
#include <span>
#include <string_view>

namespace brenvik::cli {

/// Which of the two streams are terminals: a long sweep shows its progress on `err`
/// only when that is one.
struct Terminals {
    bool out = false;
    bool err = false;
};

/// Runs the tool with its arguments (without the program name). CSV goes to `out`,
/// messages to `err`; when the arguments cannot be used nothing is written to `out`.
/// `clock` is what a progress line reads.
int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
        Terminals terminals = {}, const ProgressClock& clock = steadySeconds);

}  // namespace brenvik::cli
