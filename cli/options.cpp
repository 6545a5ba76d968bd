#include "cli/options.h"

#include "model/extended.h"
#include "model/failure_text.h"
#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace brenvik::cli {

namespace {

constexpr std::int32_t kPositionLimit = 60;
constexpr std::int32_t kNoiseLimit = 30;
constexpr std::int64_t kMaxTrialsPerStep = 1'000'000;
constexpr unsigned kMaxThreads = 1024;

// The program's own message for a number that does not convert, after the option's name.
[[noreturn]] void badNumber(std::string_view option, const ConversionError& failure)
{
    throw UsageError(std::string(option) + ": " + withFullStop(failure.what()));
}

// Either decimal separator may be typed on the command line; the message names the
// text as it was given.
Extended extendedArgument(std::string_view option, std::string_view text)
{
    std::string dotted(text);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    if (auto value = parseReal(dotted, '.'))
        return *value;
    try {
        return textToReal(text, '.');  // throws with the original text
    } catch (const ConversionError& failure) {
        badNumber(option, failure);
    }
}

float realArgument(std::string_view option, std::string_view text)
{
    return toSingle(extendedArgument(option, text));
}

// A probability whose crossings are asked for: above 0 (every value is at or above 0)
// and at most 1.
double probabilityArgument(std::string_view option, std::string_view text)
{
    const auto p = static_cast<double>(extendedArgument(option, text));
    if (!(p > 0.0 && p <= 1.0)) {
        throw UsageError(std::string(option) + " takes a probability above 0 and at most 1, not '" +
                         std::string(text) + "'.");
    }
    return p;
}

MapAxis mapAxisArgument(std::string_view text)
{
    if (text == "noise")
        return MapAxis::noise;
    if (text == "threshold")
        return MapAxis::threshold;
    throw UsageError("--y takes noise or threshold, not '" + std::string(text) + "'.");
}

std::int32_t integerArgument(std::string_view option, std::string_view text)
{
    try {
        return textToInteger(text);
    } catch (const ConversionError& failure) {
        badNumber(option, failure);
    }
}

std::int32_t integerInRange(std::string_view option, std::string_view text, std::int64_t low,
                            std::int64_t high)
{
    const auto outside = [&](const std::string& value) {
        return UsageError(std::string(option) + ": " + value + " is outside " + std::to_string(low) + ".." +
                          std::to_string(high) + ".");
    };
    // A whole number too long for 32 bits is out of range too, not "not an integer".
    const std::string_view digits = text.substr(!text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0);
    if (!digits.empty() &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        !parseInteger(text))
        throw outside(std::string(text));
    const std::int32_t value = integerArgument(option, text);
    if (value < low || value > high)
        throw outside(std::to_string(value));
    return value;
}

void positionArgument(std::string_view option, std::string_view text, std::int8_t& x, std::int8_t& y)
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) {
        throw UsageError(std::string(option) + " takes X,Y (for example " + std::string(option) +
                         " -20,0), not '" + std::string(text) + "'.");
    }
    x = static_cast<std::int8_t>(
        integerInRange(option, text.substr(0, comma), -kPositionLimit, kPositionLimit));
    y = static_cast<std::int8_t>(
        integerInRange(option, text.substr(comma + 1), -kPositionLimit, kPositionLimit));
}

SweptParameters varyArgument(std::string_view list)
{
    SweptParameters vary{false, false, false};
    if (list == "none")
        return vary;
    if (list.empty())
        throw UsageError("--vary: give none, or one or more of position, noise, threshold.");
    // Every comma is followed by a word: "noise," is refused as ",noise" is.
    for (;;) {
        const auto comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        if (word == "none")
            throw UsageError("--vary: none cannot be combined with position, noise or threshold.");
        if (word == "position")
            vary.position = true;
        else if (word == "noise")
            vary.noise = true;
        else if (word == "threshold")
            vary.threshold = true;
        else
            throw UsageError("--vary: '" + std::string(word) + "' is not one of position, noise, threshold.");
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    return vary;
}

// Plain decimal digits only: no sign, no blanks, no separator.
std::optional<unsigned> digitsValue(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

unsigned threadsArgument(std::string_view text)
{
    const auto value = digitsValue(text);
    if (!value || *value < 1 || *value > kMaxThreads) {
        throw UsageError("--threads takes a number of threads from 1 to " + std::to_string(kMaxThreads) +
                         ", not '" + std::string(text) + "'.");
    }
    return *value;
}

void stepsArgument(std::string_view text, int& first, int& last)
{
    const auto dash = text.find('-');
    const auto a = digitsValue(text.substr(0, dash));
    const auto b = dash == std::string_view::npos ? std::nullopt : digitsValue(text.substr(dash + 1));
    const auto limit = static_cast<unsigned>(kSweepLastParameterStep);
    if (!a || !b || *a > *b || *b > limit) {
        throw UsageError("--steps takes A-B with 0 <= A <= B <= " + std::to_string(limit) +
                         " (for example --steps 0-29), not '" + std::string(text) + "'.");
    }
    first = static_cast<int>(*a);
    last = static_cast<int>(*b);
}

std::optional<Command> commandNamed(std::string_view word)
{
    if (word == "trials")
        return Command::Trials;
    if (word == "sweep")
        return Command::Sweep;
    if (word == "expected")
        return Command::Expected;
    if (word == "map")
        return Command::Map;
    if (word == "limit")
        return Command::Limit;
    return std::nullopt;
}

bool isHelp(std::string_view word) { return word == "--help" || word == "-h"; }

}  // namespace

Options parseOptions(std::span<const std::string_view> args)
{
    Options options;
    if (args.empty())
        throw UsageError("brenvik-cli: no command given. See 'brenvik-cli --help'.");
    if (isHelp(args[0]))
        return options;
    const auto command = commandNamed(args[0]);
    if (!command) {
        throw UsageError("brenvik-cli: unknown command '" + std::string(args[0]) +
                         "'. See 'brenvik-cli --help'.");
    }
    options.command = *command;
    const bool mapCommand = *command == Command::Map || *command == Command::Limit;
    bool axisGiven = false, noiseGiven = false, thresholdGiven = false;

    // Validate everything first: nothing runs while one argument is wrong.
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string_view name = args[i];
        if (isHelp(name)) {
            options.helpFor = *command;
            options.command = Command::Help;
            return options;
        }
        std::optional<std::string_view> inlineValue;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        auto value = [&]() -> std::string_view {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw UsageError(std::string(name) + " needs a value. See 'brenvik-cli " +
                                 std::string(args[0]) + " --help'.");
            return args[++i];
        };

        if (name == "--q") {
            options.parameters.q = realArgument(name, value());
        } else if (name == "--threshold") {
            options.parameters.threshold = realArgument(name, value());
            thresholdGiven = true;
        } else if (name == "--t1") {
            positionArgument(name, value(), options.parameters.t1x, options.parameters.t1y);
        } else if (name == "--t2" && mapCommand) {
            throw UsageError("brenvik-cli " + std::string(args[0]) +
                             ": --t2 is not taken; T2 moves along the diagonal, the map's x axis.");
        } else if (name == "--t2") {
            positionArgument(name, value(), options.parameters.t2x, options.parameters.t2y);
        } else if (name == "--noise") {
            options.parameters.noise = {true, integerInRange(name, value(), 0, kNoiseLimit)};
            noiseGiven = true;
        } else if (name == "--y" && mapCommand) {
            options.mapAxis = mapAxisArgument(value());
            axisGiven = true;
        } else if (name == "--p" && *command == Command::Limit) {
            options.limitP = probabilityArgument(name, value());
        } else if (name == "--tests" && *command == Command::Trials) {
            // As the batch box is read: a 32-bit integer, of which the low 8 bits count.
            options.parameters.batchSize = static_cast<std::uint8_t>(integerArgument(name, value()));
        } else if (name == "--tests" && *command == Command::Sweep) {
            options.trialsPerStep = integerInRange(name, value(), 1, kMaxTrialsPerStep);
        } else if (name == "--frames" && *command == Command::Trials) {
            options.frames = integerInRange(name, value(), 0, INT32_MAX);
        } else if (name == "--vary" && *command == Command::Sweep) {
            options.vary = varyArgument(value());
        } else if (name == "--threads" && (*command == Command::Sweep || mapCommand)) {
            options.threads = threadsArgument(value());
        } else if (name == "--steps" && *command == Command::Sweep) {
            stepsArgument(value(), options.firstStep, options.lastStep);
        } else if (name == "--header" && *command == Command::Sweep && !inlineValue) {
            options.header = true;
        } else {
            throw UsageError("brenvik-cli " + std::string(args[0]) + ": unknown option '" +
                             std::string(args[i]) + "'. See 'brenvik-cli " + std::string(args[0]) +
                             " --help'.");
        }
    }
    if (mapCommand) {
        const std::string command(args[0]);
        if (!axisGiven)
            throw UsageError("brenvik-cli " + command +
                             ": --y noise or --y threshold is needed. See 'brenvik-cli " + command +
                             " --help'.");
        if (options.mapAxis == MapAxis::noise && noiseGiven)
            throw UsageError("brenvik-cli " + command +
                             ": --noise is not taken with --y noise; the rows are the noise levels.");
        if (options.mapAxis == MapAxis::threshold && thresholdGiven)
            throw UsageError("brenvik-cli " + command +
                             ": --threshold is not taken with --y threshold; the rows are the thresholds.");
    }
    return options;
}

}  // namespace brenvik::cli
