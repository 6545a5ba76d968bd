#pragma once
// brenvik-cli's commands and options, each written once: parsing, the help texts and through
// them the manual page and the shell completion all read this table.

#include "cli/options.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brenvik::cli {

struct CommandEntry {
    Command command;
    std::string_view name;
    std::size_t usageWidth;  ///< the overview pads the name to this, so related commands line up
};

/// The commands, in the order the overview lists them.
std::span<const CommandEntry> commandTable();
std::optional<Command> commandNamed(std::string_view name);
std::string_view commandName(Command command);

class CommandSet {
public:
    constexpr CommandSet() = default;
    constexpr CommandSet(std::initializer_list<Command> commands)
    {
        for (const Command command : commands)
            m_bits |= 1u << static_cast<unsigned>(command);
    }
    constexpr bool contains(Command command) const { return (m_bits >> static_cast<unsigned>(command)) & 1u; }

private:
    unsigned m_bits = 0;
};

/// Where a command's help lists an option.
enum class HelpGroup {
    model,    ///< the block of model options that every command's help shows
    command,  ///< the command's own list
    axis,     ///< the map's rows, in the grid's description
    grid,     ///< below the grid's description
};

class OptionValue;

/// One word of an option that takes one of a few.
struct Choice {
    std::string_view word;
    std::string_view help = {};
    void (*apply)(Options& options);
    std::string_view excludes = {};  ///< an option not taken with this word, and why
    std::string_view because = {};
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
    CommandSet refusedBy = {};  ///< commands that refuse it by name, saying why
    std::string_view refusal = {};
};

/// The options in the order the usage lines name them; an option that means something else
/// for another command has a row of its own.
std::span<const OptionSpec> optionTable();

/// The row of `name` for `command`, if the command takes it.
const OptionSpec* findOption(std::string_view name, Command command);

/// `option`'s help with its range put in.
std::string helpWithRange(const OptionSpec& option);

}  // namespace brenvik::cli
