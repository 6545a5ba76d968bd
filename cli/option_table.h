#pragma once
// The commands and options of brenvik-cli and of the desktop program, as rows of data: the
// parser (cli/parse_options.h) and the help pages (cli/help.h) read them, and through the
// help the manual page and the shell completion.

#include "cli/options.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace brenvik::cli {

struct OptionValue;

class CommandSet {
public:
    constexpr CommandSet(std::initializer_list<Command> commands)
    {
        for (const Command command : commands)
            m_bits |= 1u << static_cast<unsigned>(command);
    }
    constexpr bool contains(Command command) const { return (m_bits >> static_cast<unsigned>(command)) & 1u; }

private:
    unsigned m_bits = 0;
};

struct CommandEntry {
    Command command;
    std::string_view name;
    std::size_t usageWidth;    ///< the overview pads the name to this width, so related commands line up
    std::string_view summary;  ///< its entry in the overview's list of commands
};

/// Where a command's help lists an option.
enum class HelpGroup {
    model,    ///< the block of model options that every command's help shows
    command,  ///< the command's own list
    axis,     ///< the map's rows, in the grid's description
    grid,     ///< below the grid's description
};

/// One word of an option that takes one of a few, and its line in the help.
struct Choice {
    std::string_view word;
    std::string_view help;
};

struct OptionSpec {
    std::string_view name;
    CommandSet commands;
    HelpGroup group;
    std::string_view value = {};  ///< the value as help names it; empty for a flag
    /// Further lines go under the first; {range}, {low} and {high} stand for the range.
    std::string_view help = {};
    void (*store)(const OptionValue& value, Options& options);
    std::int64_t low = 0, high = 0;  ///< a whole number's range (each of a pair's, both ends')
    bool required = false;
    std::span<const Choice> choices = {};
};

/// An option that commands refuse, always or only beside another option's word, and why.
struct Conflict {
    std::string_view option;
    CommandSet commands;
    std::string_view with = {}, word = {};  ///< --y and noise; none when the option is never taken
    std::string_view because;
};

/// brenvik-cli's commands, in the order the overview lists them.
std::span<const CommandEntry> commandTable();
/// The options in the order the usage lines name them; an option that means something else
/// for another command has a row of its own.
std::span<const OptionSpec> optionTable();
std::span<const Conflict> conflictTable();

/// The row of `name` for `command`, if the command takes it.
const OptionSpec* findOption(std::string_view name, Command command);
/// "brenvik-cli map", or "brenvik" for Window: how the command is typed.
std::string commandLine(Command command);

}  // namespace brenvik::cli
