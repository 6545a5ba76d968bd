#pragma once
// What a command line asks for, once parsed and checked (cli/parse_options.h): brenvik-cli's,
// or the desktop program's (the main window's inputs).

#include "model/model_parameters.h"
#include "model/probability_map.h"
#include "model/sweep_steps.h"

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string_view>

namespace brenvik::cli {

/// A command line that cannot be used; the message is shown as it stands.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Exit status for a command line or a number text that cannot be used.
inline constexpr int kUsageError = 2;

/// brenvik-cli's commands, the desktop program's command line (Window), and --version.
enum class Command { Help, Trials, Sweep, Expected, Map, Limit, Window, Version };

struct Options {
    Command command = Command::Help;
    /// Help was asked for this command (Help alone: the tool's overview).
    Command helpFor = Command::Help;
    ModelParameters parameters;  ///< Q 9, batch 5, threshold 0.27, both sources at (0, 0), noise off
    std::int64_t frames = -1;    ///< trials: -1 means one batch
    SweptParameters vary;        ///< sweep, window: position unless --vary
    std::int64_t trialsPerStep = 5;
    unsigned threads = 0;  ///< sweep, map, limit: 0 means one per core
    int firstStep = 0;     ///< sweep: the steps run
    int lastStep = kSweepLastParameterStep;
    bool header = false;               ///< sweep: the header even when the first step is not 0
    MapAxis mapAxis = MapAxis::noise;  ///< map, limit: what the rows vary (--y, required)
    double limitP = 0.5;               ///< limit: the probability whose crossings are listed
    /// Each option given and its text as typed (a view into the arguments).
    std::map<std::string_view, std::string_view> given;
};

}  // namespace brenvik::cli
