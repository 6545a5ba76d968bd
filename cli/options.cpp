#include "cli/options.h"

#include "cli/option_table.h"
#include "cli/option_value.h"

#include <map>
#include <string>

namespace brenvik::cli {

namespace {

bool isHelp(std::string_view word) { return word == "--help" || word == "-h"; }

// What one option's row says beyond its own value: one that is needed, one that another
// option's word rules out.
void checkTogether(Command command, const std::map<std::string_view, std::string_view>& given)
{
    const std::string prefix = "brenvik-cli " + std::string(commandName(command)) + ": ";
    for (const OptionSpec& option : optionTable()) {
        if (!option.required || !option.commands.contains(command) || given.contains(option.name))
            continue;
        std::string either;
        for (const Choice& choice : option.choices)
            either +=
                (either.empty() ? "" : " or ") + std::string(option.name) + " " + std::string(choice.word);
        throw UsageError(prefix + either + " is needed. See 'brenvik-cli " +
                         std::string(commandName(command)) + " --help'.");
    }
    for (const auto& [name, value] : given) {
        for (const Choice& choice : findOption(name, command)->choices) {
            if (choice.word == value && given.contains(choice.excludes))
                throw UsageError(prefix + std::string(choice.excludes) + " is not taken with " +
                                 std::string(name) + " " + std::string(value) + "; " +
                                 std::string(choice.because) + ".");
        }
    }
}

}  // namespace

Options parseOptions(std::span<const std::string_view> args)
{
    Options options;
    if (args.empty())
        throw UsageError("brenvik-cli: no command given. See 'brenvik-cli --help'.");
    if (isHelp(args[0]))
        return options;
    const auto command = commandNamed(args[0]);
    if (!command)
        throw UsageError("brenvik-cli: unknown command '" + std::string(args[0]) +
                         "'. See 'brenvik-cli --help'.");
    options.command = *command;
    const std::string seeHelp = ". See 'brenvik-cli " + std::string(args[0]) + " --help'.";
    std::map<std::string_view, std::string_view> given;  // the last value of each option

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
        for (const OptionSpec& option : optionTable()) {
            if (option.name == name && option.refusedBy.contains(*command))
                throw UsageError("brenvik-cli " + std::string(args[0]) + ": " + std::string(name) +
                                 " is not taken; " + std::string(option.refusal) + ".");
        }
        const OptionSpec* option = findOption(name, *command);
        const bool flag = option && option->value.empty();
        if (!option || (flag && inlineValue))
            throw UsageError("brenvik-cli " + std::string(args[0]) + ": unknown option '" +
                             std::string(args[i]) + "'" + seeHelp);
        std::string_view value;
        if (inlineValue)
            value = *inlineValue;
        else if (!flag && i + 1 >= args.size())
            throw UsageError(std::string(name) + " needs a value" + seeHelp);
        else if (!flag)
            value = args[++i];
        option->store(OptionValue(*option, value), options);
        given[option->name] = value;
    }
    checkTogether(*command, given);
    return options;
}

}  // namespace brenvik::cli
