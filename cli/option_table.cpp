#include "cli/option_table.h"

#include "cli/option_values.h"
#include "model/sweep_steps.h"

#include <array>
#include <cstdint>

namespace brenvik::cli {

namespace {

using enum Command;

constexpr std::array kCommands = {
    CommandEntry{Trials, "trials", 6}, CommandEntry{Sweep, "sweep", 6}, CommandEntry{Expected, "expected", 8},
    CommandEntry{Map, "map", 5},       CommandEntry{Limit, "limit", 5},
};

constexpr CommandSet kEveryCommand = {Trials, Sweep, Expected, Map, Limit};
constexpr CommandSet kGridCommands = {Map, Limit};

constexpr std::array kMapAxes = {
    Choice{.word = "noise",
           .help = "the noise level 0..30, white noise on (31 rows), or",
           .apply = [](Options& o) { o.mapAxis = MapAxis::noise; },
           .excludes = "--noise",
           .because = "the rows are the noise levels"},
    Choice{.word = "threshold",
           .help = "the threshold t/100 for t = 0..99, as a threshold sweep sets it\n(100 rows)",
           .apply = [](Options& o) { o.mapAxis = MapAxis::threshold; },
           .excludes = "--threshold",
           .because = "the rows are the thresholds"},
};

constexpr std::array kOptions = {
    OptionSpec{.name = "--y",
               .commands = kGridCommands,
               .group = HelpGroup::axis,
               .value = "noise|threshold",
               .required = true,
               .choices = kMapAxes,
               .store = [](const OptionSpec& spec, std::string_view v, Options& o) { choiceValue(spec, v, o); }},
    OptionSpec{.name = "--p",
               .commands = {Limit},
               .group = HelpGroup::command,
               .value = "P",
               .help = "the probability, above 0 and at most 1 (default 0.5)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.limitP = probabilityValue(spec, v); }},

    // The model's inputs, which every command takes.
    OptionSpec{.name = "--q",
               .commands = kEveryCommand,
               .group = HelpGroup::model,
               .value = "TEXT",
               .help = "width Q of the point-spread function (9)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.parameters.q = realValue(spec, v); }},
    OptionSpec{.name = "--threshold",
               .commands = kEveryCommand,
               .group = HelpGroup::model,
               .value = "TEXT",
               .help = "resolution threshold (0.27)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.parameters.threshold = realValue(spec, v); }},
    OptionSpec{.name = "--t1",
               .commands = kEveryCommand,
               .group = HelpGroup::model,
               .value = "X,Y",
               .range = {-60, 60},
               .help = "position of source T1, each {range} (0,0)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { positionValue(spec, v, o.parameters.t1x, o.parameters.t1y); }},
    OptionSpec{.name = "--t2",
               .commands = kEveryCommand,
               .group = HelpGroup::model,
               .value = "X,Y",
               .range = {-60, 60},
               .help = "position of source T2, each {range} (0,0)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { positionValue(spec, v, o.parameters.t2x, o.parameters.t2y); },
               .refusedBy = kGridCommands,
               .refusal = "T2 moves along the diagonal, the map's x axis"},
    OptionSpec{.name = "--noise",
               .commands = kEveryCommand,
               .group = HelpGroup::model,
               .value = "LEVEL",
               .range = {0, 30},
               .help = "white noise on at level {range} (off when absent)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.parameters.noise = {true, integerInRange(spec, v)}; }},

    OptionSpec{.name = "--vary",
               .commands = {Sweep},
               .group = HelpGroup::command,
               .value = "LIST",
               .help = "comma list of: position (T2 := (s-60, s-60)), noise (on, level s/4),\n"
                       "threshold (the text of t/100, t = s/1.2 truncated); \"none\" varies\n"
                       "nothing (default: position)",
               .store = [](const OptionSpec& spec, std::string_view v, Options& o) { o.vary = sweptValue(spec, v); }},
    OptionSpec{.name = "--tests",
               .commands = {Trials},
               .group = HelpGroup::command,
               .value = "N",
               .help = "the batch size: after every N trials a probability is written, as\n"
                       "the box \"Кол-во тестов:\" (\"Trials:\" in English) sets it (default 5).\n"
                       "As there, N is a 32-bit integer of which only the low 8 bits count:\n"
                       "300 makes batches of 44, 0 and 256 make batches of 256.\n"
                       "Example: brenvik-cli trials --tests 10 --frames 30\n"
                       "(30 frames, a probability after the 10th, 20th and 30th)",
               // As the batch box is read: a 32-bit integer, of which the low 8 bits count.
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.parameters.batchSize = static_cast<std::uint8_t>(integerValue(spec, v)); }},
    OptionSpec{.name = "--tests",
               .commands = {Sweep},
               .group = HelpGroup::command,
               .value = "N",
               .range = {1, 1'000'000},
               .help = "trials per step: each of the 121 steps makes N trials with its own\n"
                       "parameters, {range} (default 5). There are no batches here; in the\n"
                       "main window a batch may begin at one step and end at the next.\n"
                       "Example: brenvik-cli sweep --vary noise --tests 200\n"
                       "(200 trials at each step, the noise level going from 0 to 30)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.trialsPerStep = integerInRange(spec, v); }},
    OptionSpec{.name = "--frames",
               .commands = {Trials},
               .group = HelpGroup::command,
               .value = "N",
               .range = {0, INT32_MAX},
               .help = "number of frames, {low} or more (default: one batch)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.frames = integerInRange(spec, v); }},
    OptionSpec{.name = "--threads",
               .commands = {Sweep},
               .group = HelpGroup::command,
               .value = "N",
               .range = {1, 1024},
               .help = "threads sharing each step's trials, {range} (default: one per core)",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.threads = countValue(spec, v); }},
    OptionSpec{.name = "--threads",
               .commands = kGridCommands,
               .group = HelpGroup::grid,
               .value = "N",
               .range = {1, 1024},
               .help = "threads sharing the rows, {range} (default: one per core); the\n"
                       "output is the same for any number",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { o.threads = countValue(spec, v); }},
    OptionSpec{.name = "--steps",
               .commands = {Sweep},
               .group = HelpGroup::command,
               .value = "A-B",
               .range = {0, kSweepLastParameterStep},
               .help = "only steps A..B, {low} <= A <= B <= {high}, with the noise generator where\n"
                       "the whole sweep has it at step A (default: {low}-{high})",
               .store = [](const OptionSpec& spec, std::string_view v,
                           Options& o) { stepRangeValue(spec, v, o.firstStep, o.lastStep); }},
    OptionSpec{.name = "--header",
               .commands = {Sweep},
               .group = HelpGroup::command,
               .help = "print the header line even when A is not 0",
               .store = [](const OptionSpec&, std::string_view, Options& o) { o.header = true; }},
};

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

std::string withRange(std::string_view text, const OptionSpec& option)
{
    std::string result;
    while (!text.empty()) {
        const auto open = text.find('{');
        const auto close = text.find('}', open);
        result += text.substr(0, open);
        if (open == std::string_view::npos)
            break;
        const std::string_view field = text.substr(open + 1, close - open - 1);
        if (field == "range")
            result += std::to_string(option.range.low) + ".." + std::to_string(option.range.high);
        else if (field == "low")
            result += std::to_string(option.range.low);
        else if (field == "high")
            result += std::to_string(option.range.high);
        else
            result += text.substr(open, close - open + 1);  // not a field: as it stands
        text.remove_prefix(close == std::string_view::npos ? text.size() : close + 1);
    }
    return result;
}

}  // namespace brenvik::cli
