#pragma once
// The command line of brenvik-cli, parsed and checked before anything runs.

#include "model/frame.h"
#include "model/probability_map.h"
#include "model/sweep_experiment.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brenvik::cli {

/// A command line that cannot be used; the message is shown as it stands.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Command { Help, Trials, Sweep, Expected, Map, Limit };

struct Options {
    Command command = Command::Help;
    /// Help was asked for this command (Help alone: the tool's overview).
    Command helpFor = Command::Help;
    ModelParameters parameters;  ///< Q 9, batch 5, threshold 0.27, both sources at (0, 0), noise off
    std::int64_t frames = -1;    ///< trials: -1 means one batch
    SweptParameters vary;        ///< sweep: position unless --vary
    std::int64_t trialsPerStep = 5;
    unsigned threads = 0;  ///< sweep, map, limit: 0 means one per core
    int firstStep = 0;     ///< sweep: the steps run
    int lastStep = kSweepLastParameterStep;
    bool header = false;               ///< sweep: the header even when the first step is not 0
    MapAxis mapAxis = MapAxis::noise;  ///< map, limit: what the rows vary (--y, required)
    double limitP = 0.5;               ///< limit: the probability whose crossings are listed
};

/// Parses the arguments (without the program name). Throws UsageError; for a number text
/// that does not convert, its message is the option's name and the conversion's message.
Options parseOptions(std::span<const std::string_view> args);

}  // namespace brenvik::cli
