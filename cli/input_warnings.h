#pragma once
// Inputs the model takes but that few mean: the run goes ahead as the main window would
// make it, and a line on standard error says what its results mean.

#include "cli/options.h"

#include <string>
#include <vector>

namespace brenvik::cli {

/// One line each, without the newline, naming the option.
std::vector<std::string> inputWarnings(const Options& options);

}  // namespace brenvik::cli
