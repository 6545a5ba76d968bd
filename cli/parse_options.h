#pragma once
// The command lines of brenvik-cli and of the desktop program, parsed by the option table
// and checked before anything runs.

#include "cli/options.h"

#include <span>
#include <string_view>

namespace brenvik::cli {

/// Parses the arguments (without the program name). Throws UsageError; for a number text
/// that does not convert, its message is the option's name and the conversion's message.
Options parseOptions(std::span<const std::string_view> args);
/// The desktop program's arguments (without its name): the main window's inputs, --help or
/// --version; the same options and messages as brenvik-cli's.
Options parseWindowOptions(std::span<const std::string_view> args);

}  // namespace brenvik::cli
