#include "cli/parse_options.h"

#include "cli/option_table.h"
#include "cli/option_value.h"

#include <algorithm>
#include <optional>
#include <string>

namespace brenvik::cli {

namespace {

bool isHelp(std::string_view word) { return word == "--help" || word == "-h"; }
bool isVersion(std::string_view word) { return word == "--version" || word == "-V"; }

// The option's words as "A or B", each after `lead`.
std::string eitherWord(const OptionSpec& option, const std::string& lead)
{
    std::string either;
    for (const Choice& choice : option.choices)
        either += (either.empty() ? "" : " or ") + lead + std::string(choice.word);
    return either;
}

// The options after the command, each converted and stored as it is met; nothing runs while
// one argument is wrong.
Options parseCommand(Command command, std::span<const std::string_view> args)
{
    Options options;
    options.command = command;
    const std::string prefix = commandLine(command) + ": ";
    const std::string seeHelp = ". See '" + commandLine(command) + " --help'.";
    const auto refuse = [&](const Conflict& c) {
        const std::string with =
            c.with.empty() ? "" : " with " + std::string(c.with) + " " + std::string(c.word);
        throw UsageError(prefix + std::string(c.option) + " is not taken" + with + "; " +
                         std::string(c.because) + ".");
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        if (isHelp(name)) {
            options.helpFor = command;
            options.command = Command::Help;
            return options;
        }
        if (isVersion(name)) {
            options.command = Command::Version;
            return options;
        }
        std::optional<std::string_view> inlineValue;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        for (const Conflict& conflict : conflictTable())
            if (conflict.option == name && conflict.with.empty() && conflict.commands.contains(command))
                refuse(conflict);
        const OptionSpec* option = findOption(name, command);
        const bool flag = option && option->value.empty();
        if (!option || (flag && inlineValue))
            throw UsageError(prefix + "unknown option '" + std::string(args[i]) + "'" + seeHelp);
        if (options.given.contains(option->name))
            throw UsageError(prefix + std::string(name) + " is given twice; each option is taken once.");
        if (!flag && !inlineValue && i + 1 >= args.size())
            throw UsageError(std::string(name) + " needs a value" + seeHelp);
        const std::string_view value = inlineValue ? *inlineValue : flag ? "" : args[++i];
        if (!option->choices.empty() &&
            // The iterator form: the page's WebAssembly build has libc++ 13, without std::ranges' algorithms.
            std::none_of(option->choices.begin(), option->choices.end(),
                         [&](const Choice& choice) { return choice.word == value; }))
            throw UsageError(std::string(name) + " takes " + eitherWord(*option, "") + ", not '" +
                             std::string(value) + "'.");
        option->store({.name = name, .text = value, .low = option->low, .high = option->high}, options);
        options.given[option->name] = value;
    }
    for (const OptionSpec& option : optionTable())
        if (option.required && option.commands.contains(command) && !options.given.contains(option.name))
            throw UsageError(prefix + eitherWord(option, std::string(option.name) + " ") + " is needed" +
                             seeHelp);
    // An option refused beside another's word, whichever came first.
    for (const Conflict& conflict : conflictTable()) {
        const auto other = options.given.find(conflict.with);
        if (other != options.given.end() && other->second == conflict.word &&
            options.given.contains(conflict.option) && conflict.commands.contains(command))
            refuse(conflict);
    }
    return options;
}

}  // namespace

Options parseOptions(std::span<const std::string_view> args)
{
    if (args.empty())
        throw UsageError("brenvik-cli: no command given. See 'brenvik-cli --help'.");
    if (isHelp(args[0]))
        return {};
    if (isVersion(args[0])) {
        Options options;
        options.command = Command::Version;
        return options;
    }
    for (const CommandEntry& entry : commandTable())
        if (entry.name == args[0])
            return parseCommand(entry.command, args.subspan(1));
    throw UsageError("brenvik-cli: unknown command '" + std::string(args[0]) +
                     "'. See 'brenvik-cli --help'.");
}

Options parseWindowOptions(std::span<const std::string_view> args)
{
    return parseCommand(Command::Window, args);
}

}  // namespace brenvik::cli
