#pragma once

#include "cli/options.h"

#include <string_view>

namespace brenvik::cli {

std::string_view helpText(Command command);

}  // namespace brenvik::cli
