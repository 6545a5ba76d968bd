#pragma once

#include "cli/options.h"

#include <string_view>

namespace brenvik::cli {

std::string_view helpText(Command command);
/// The programs' version, as "1.0".
std::string_view version();

}  // namespace brenvik::cli
