#include "cli/option_table.h"

#include "cli/option_value.h"
#include "model/sweep_steps.h"

#include <array>
#include <cstdint>

namespace brenvik::cli {

namespace {

using enum Command;
using enum HelpGroup;
using Value = const OptionValue&;

constexpr std::array kCommands = {
    CommandEntry{Trials, "trials", 6}, CommandEntry{Sweep, "sweep", 6}, CommandEntry{Expected, "expected", 8},
    CommandEntry{Map, "map", 5},       CommandEntry{Limit, "limit", 5},
};

constexpr CommandSet kAll = {Trials, Sweep, Expected, Map, Limit};
constexpr CommandSet kGrid = {Map, Limit};

// A table reads best one row to an entry, as it is written here.
// clang-format off
constexpr std::array kMapAxes = {
    Choice{"noise", "the noise level 0..30, white noise on (31 rows), or",
           [](Options& o) { o.mapAxis = MapAxis::noise; }, "--noise", "the rows are the noise levels"},
    Choice{"threshold", "the threshold t/100 for t = 0..99, as a threshold sweep sets it\n(100 rows)",
           [](Options& o) { o.mapAxis = MapAxis::threshold; }, "--threshold", "the rows are the thresholds"},
};

// name, commands, where help lists it, its value, help, how it is stored, and a whole
// number's range; a row that needs more names its fields.
constexpr std::array kOptions = {
    OptionSpec{.name = "--y", .commands = kGrid, .group = axis, .value = "noise|threshold",
               .store = [](Value v, Options& o) { v.choose(o); }, .required = true, .choices = kMapAxes},
    OptionSpec{"--p", {Limit}, command, "P", "the probability, above 0 and at most 1 (default 0.5)",
               [](Value v, Options& o) { o.limitP = v.probability(); }},

    OptionSpec{"--q", kAll, model, "TEXT", "width Q of the point-spread function (9)",
               [](Value v, Options& o) { o.parameters.q = v.real(); }},
    OptionSpec{"--threshold", kAll, model, "TEXT", "resolution threshold (0.27)",
               [](Value v, Options& o) { o.parameters.threshold = v.real(); }},
    OptionSpec{"--t1", kAll, model, "X,Y", "position of source T1, each {range} (0,0)",
               [](Value v, Options& o) { v.position(o.parameters.t1x, o.parameters.t1y); }, -60, 60},
    OptionSpec{.name = "--t2", .commands = kAll, .group = model, .value = "X,Y",
               .help = "position of source T2, each {range} (0,0)",
               .store = [](Value v, Options& o) { v.position(o.parameters.t2x, o.parameters.t2y); },
               .low = -60, .high = 60,
               .refusedBy = kGrid, .refusal = "T2 moves along the diagonal, the map's x axis"},
    OptionSpec{"--noise", kAll, model, "LEVEL", "white noise on at level {range} (off when absent)",
               [](Value v, Options& o) { o.parameters.noise = {true, v.inRange()}; }, 0, 30},

    OptionSpec{"--vary", {Sweep}, command, "LIST",
               "comma list of: position (T2 := (s-60, s-60)), noise (on, level s/4),\n"
               "threshold (the text of t/100, t = s/1.2 truncated); \"none\" varies\n"
               "nothing (default: position)",
               [](Value v, Options& o) { o.vary = v.swept(); }},
    // As the batch box is read: a 32-bit integer, of which the low 8 bits count.
    OptionSpec{"--tests", {Trials}, command, "N",
               "the batch size: after every N trials a probability is written, as\n"
               "the box \"Кол-во тестов:\" (\"Trials:\" in English) sets it (default 5).\n"
               "As there, N is a 32-bit integer of which only the low 8 bits count:\n"
               "300 makes batches of 44, 0 and 256 make batches of 256.\n"
               "Example: brenvik-cli trials --tests 10 --frames 30\n"
               "(30 frames, a probability after the 10th, 20th and 30th)",
               [](Value v, Options& o) { o.parameters.batchSize = static_cast<std::uint8_t>(v.integer()); }},
    OptionSpec{"--tests", {Sweep}, command, "N",
               "trials per step: each of the 121 steps makes N trials with its own\n"
               "parameters, {range} (default 5). There are no batches here; in the\n"
               "main window a batch may begin at one step and end at the next.\n"
               "Example: brenvik-cli sweep --vary noise --tests 200\n"
               "(200 trials at each step, the noise level going from 0 to 30)",
               [](Value v, Options& o) { o.trialsPerStep = v.inRange(); }, 1, 1'000'000},
    OptionSpec{"--frames", {Trials}, command, "N", "number of frames, {low} or more (default: one batch)",
               [](Value v, Options& o) { o.frames = v.inRange(); }, 0, INT32_MAX},
    OptionSpec{"--threads", {Sweep}, command, "N",
               "threads sharing each step's trials, {range} (default: one per core)",
               [](Value v, Options& o) { o.threads = v.count(); }, 1, 1024},
    OptionSpec{"--threads", kGrid, grid, "N",
               "threads sharing the rows, {range} (default: one per core); the\n"
               "output is the same for any number",
               [](Value v, Options& o) { o.threads = v.count(); }, 1, 1024},
    OptionSpec{"--steps", {Sweep}, command, "A-B",
               "only steps A..B, {low} <= A <= B <= {high}, with the noise generator where\n"
               "the whole sweep has it at step A (default: {low}-{high})",
               [](Value v, Options& o) { v.steps(o.firstStep, o.lastStep); }, 0, kSweepLastParameterStep},
    OptionSpec{"--header", {Sweep}, command, "", "print the header line even when A is not 0",
               [](Value, Options& o) { o.header = true; }},
};
// clang-format on

}  // namespace

std::span<const CommandEntry> commandTable() { return kCommands; }

std::optional<Command> commandNamed(std::string_view name)
{
    for (const CommandEntry& entry : kCommands)
        if (entry.name == name)
            return entry.command;
    return std::nullopt;
}

std::string_view commandName(Command command)
{
    for (const CommandEntry& entry : kCommands)
        if (entry.command == command)
            return entry.name;
    return {};
}

std::span<const OptionSpec> optionTable() { return kOptions; }

const OptionSpec* findOption(std::string_view name, Command command)
{
    for (const OptionSpec& option : kOptions)
        if (option.name == name && option.commands.contains(command))
            return &option;
    return nullptr;
}

std::string helpWithRange(const OptionSpec& option)
{
    const std::string low = std::to_string(option.low), high = std::to_string(option.high);
    std::string text(option.help);
    for (const auto& [field, value] :
         {std::pair{"{range}", low + ".." + high}, {"{low}", low}, {"{high}", high}})
        for (auto at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size()))
            text.replace(at, std::string_view(field).size(), value);
    return text;
}

}  // namespace brenvik::cli
