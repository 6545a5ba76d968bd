#pragma once
// brenvik-cli's command line, parsed by the option table and checked before anything runs.

#include "cli/options.h"

#include <span>
#include <string_view>

namespace brenvik::cli {

/// Parses the arguments (without the program name). Throws UsageError; for a number text
/// that does not convert, its message is the option's name and the conversion's message.
Options parseOptions(std::span<const std::string_view> args);

}  // namespace brenvik::cli
