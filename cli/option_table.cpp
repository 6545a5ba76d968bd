#include "cli/option_table.h"

#include "cli/option_value.h"

#include <array>

namespace brenvik::cli {

namespace {

using enum Command;
using enum HelpGroup;
using Value = const OptionValue&;

constexpr CommandSet kAll = {Trials, Sweep, Expected, Map, Limit, Window};
constexpr CommandSet kGrid = {Map, Limit};

// A table reads best one row to an entry, as it is written here.
// clang-format off
constexpr std::array kCommands = {
    CommandEntry{.command = Trials, .name = "trials", .usageWidth = 6,
                 .summary = "run consecutive frames from the program's start state, one trial each"},
    CommandEntry{.command = Sweep, .name = "sweep", .usageWidth = 6,
                 .summary = "sweep T2's position, the noise level and/or the threshold over 121 steps"},
    CommandEntry{.command = Expected, .name = "expected", .usageWidth = 8,
                 .summary = "the probability that one trial is resolved, computed exactly"},
    CommandEntry{.command = Map, .name = "map", .usageWidth = 5,
                 .summary = "that probability over T2's 121 steps against every noise level or\n"
                            "every threshold"},
    CommandEntry{.command = Limit, .name = "limit", .usageWidth = 5,
                 .summary = "where along T2's steps that probability passes P, level by level"},
};

constexpr std::array kMapAxes = {
    Choice{.word = "noise", .help = "the noise level 0..30, white noise on (31 rows), or"},
    Choice{.word = "threshold",
           .help = "the threshold t/100 for t = 0..99, as a threshold sweep sets it\n(100 rows)"},
};

constexpr std::array kOptions = {
    OptionSpec{.name = "--y", .commands = kGrid, .group = axis, .value = "noise|threshold",
               .store = [](Value v, Options& o) { o.mapAxis = v.text == "noise" ? MapAxis::noise
                                                                                   : MapAxis::threshold; },
               .required = true, .choices = kMapAxes},
    OptionSpec{.name = "--p", .commands = {Limit}, .group = command, .value = "P",
               .help = "the probability, above 0 and at most 1 (default 0.5)",
               .store = [](Value v, Options& o) { o.limitP = v.probability(); }},

    OptionSpec{.name = "--q", .commands = kAll, .group = model, .value = "TEXT",
               .help = "width Q of the point-spread function (9)",
               .store = [](Value v, Options& o) { o.parameters.q = v.real(); }},
    OptionSpec{.name = "--threshold", .commands = kAll, .group = model, .value = "TEXT",
               .help = "resolution threshold (0.27)",
               .store = [](Value v, Options& o) { o.parameters.threshold = v.real(); }},
    OptionSpec{.name = "--t1", .commands = kAll, .group = model, .value = "X,Y",
               .help = "position of source T1, each {range} (0,0)",
               .store = [](Value v, Options& o) { v.position(o.parameters.t1x, o.parameters.t1y); },
               .low = -60, .high = 60},
    // Not the grid's, whose x axis T2 is (see the conflicts).
    OptionSpec{.name = "--t2", .commands = {Trials, Sweep, Expected, Window}, .group = model, .value = "X,Y",
               .help = "position of source T2, each {range} (0,0)",
               .store = [](Value v, Options& o) { v.position(o.parameters.t2x, o.parameters.t2y); },
               .low = -60, .high = 60},
    OptionSpec{.name = "--noise", .commands = kAll, .group = model, .value = "LEVEL",
               .help = "white noise on at level {range} (off when absent)",
               .store = [](Value v, Options& o) { o.parameters.noise = {true, v.inRange()}; },
               .low = 0, .high = 30},

    OptionSpec{.name = "--vary", .commands = {Sweep, Window}, .group = command, .value = "LIST",
               .help = "comma list of: position (T2 := (s-60, s-60)), noise (on, level s/4),\n"
                       "threshold (the text of t/100, t = s/1.2 truncated); \"none\" varies\n"
                       "nothing (default: position)",
               .store = [](Value v, Options& o) { o.vary = v.swept(); }},
    // As the batch box is read: a 32-bit integer, of which the low 8 bits count.
    OptionSpec{.name = "--tests", .commands = {Trials}, .group = command, .value = "N",
               .help = "the batch size: after every N trials a probability is written, as\n"
                       "the box \"Кол-во тестов:\" (\"Trials:\" in English) sets it (default 5).\n"
                       "As there, N is a 32-bit integer of which only the low 8 bits count:\n"
                       "300 makes batches of 44, 0 and 256 make batches of 256.\n"
                       "Example: brenvik-cli trials --tests 10 --frames 30\n"
                       "(30 frames, a probability after the 10th, 20th and 30th)",
               .store = [](Value v, Options& o) {
                   o.parameters.batchSize = static_cast<std::uint8_t>(v.integer()); }},
    OptionSpec{.name = "--tests", .commands = {Sweep}, .group = command, .value = "N",
               .help = "trials per step: each of the 121 steps makes N trials with its own\n"
                       "parameters, {range} (default 5). There are no batches here; in the\n"
                       "main window a batch may begin at one step and end at the next.\n"
                       "Example: brenvik-cli sweep --vary noise --tests 200\n"
                       "(200 trials at each step, the noise level going from 0 to 30)",
               .store = [](Value v, Options& o) { o.trialsPerStep = v.inRange(); },
               .low = 1, .high = 1'000'000},
    OptionSpec{.name = "--tests", .commands = {Window}, .group = command, .value = "N",
               .help = "trials per batch, as the box \"Кол-во тестов:\" (\"Trials:\" in English)\n"
                       "takes them: a 32-bit integer whose low 8 bits count (default 5)",
               .store = [](Value v, Options& o) {
                   o.parameters.batchSize = static_cast<std::uint8_t>(v.integer()); }},
    OptionSpec{.name = "--frames", .commands = {Trials}, .group = command, .value = "N",
               .help = "number of frames, {low} or more (default: one batch)",
               .store = [](Value v, Options& o) { o.frames = v.inRange(); }, .low = 0, .high = INT32_MAX},
    OptionSpec{.name = "--threads", .commands = {Sweep}, .group = command, .value = "N",
               .help = "threads sharing each step's trials, {range} (default: one per core)",
               .store = [](Value v, Options& o) { o.threads = v.count(); }, .low = 1, .high = 1024},
    OptionSpec{.name = "--threads", .commands = kGrid, .group = grid, .value = "N",
               .help = "threads sharing the rows, {range} (default: one per core); the\n"
                       "output is the same for any number",
               .store = [](Value v, Options& o) { o.threads = v.count(); }, .low = 1, .high = 1024},
    OptionSpec{.name = "--steps", .commands = {Sweep}, .group = command, .value = "A-B",
               .help = "only steps A..B, {low} <= A <= B <= {high}, with the noise generator where\n"
                       "the whole sweep has it at step A (default: {low}-{high})",
               .store = [](Value v, Options& o) { v.steps(o.firstStep, o.lastStep); },
               .low = 0, .high = kSweepLastParameterStep},
    OptionSpec{.name = "--header", .commands = {Sweep}, .group = command,
               .help = "print the header line even when A is not 0",
               .store = [](Value, Options& o) { o.header = true; }},
};

constexpr std::array kConflicts = {
    Conflict{.option = "--t2", .commands = kGrid, .because = "T2 moves along the diagonal, the map's x axis"},
    Conflict{.option = "--noise", .commands = kGrid, .with = "--y", .word = "noise",
             .because = "the rows are the noise levels"},
    Conflict{.option = "--threshold", .commands = kGrid, .with = "--y", .word = "threshold",
             .because = "the rows are the thresholds"},
};
// clang-format on

}  // namespace

std::span<const CommandEntry> commandTable() { return kCommands; }
std::span<const OptionSpec> optionTable() { return kOptions; }
std::span<const Conflict> conflictTable() { return kConflicts; }

const OptionSpec* findOption(std::string_view name, Command command)
{
    for (const OptionSpec& option : kOptions)
        if (option.name == name && option.commands.contains(command))
            return &option;
    return nullptr;
}

std::string commandLine(Command command)
{
    for (const CommandEntry& entry : kCommands)
        if (entry.command == command)
            return "brenvik-cli " + std::string(entry.name);
    return "brenvik";
}

}  // namespace brenvik::cli
