#pragma once
// The desktop program's command line: brenvik-cli's options for the main window's inputs
// (`brenvik --q 7 --t1 -20,-5 …`, cli/parse_options.h), read before any window opens, and
// then set into the main window's controls as a user would set them.

#include "cli/options.h"

#include <optional>
#include <ostream>

namespace brenvik {

class MainWindow;

struct StartCommand {
    cli::Options options;
    /// Set when the program ends here: after --help, --version or a bad option.
    std::optional<int> exitStatus;
    /// The line could not be read but may hold Qt's own options (-platform, -style …):
    /// read it again once QApplication has taken them out.
    bool readAgain = false;
};

/// Reads the arguments after the program's name. --help's page and the version go to
/// `out`, a bad option's message (brenvik-cli's) to `err`, and the status is then set.
StartCommand readCommandLine(int argc, const char* const* argv, bool qtHasRead, std::ostream& out,
                             std::ostream& err);

/// Sets what the command line gave into the main window's controls: the numbers into the
/// boxes as typed, with the window's decimal separator; the sliders; the noise switched on
/// at its level; the check boxes of what a sweep varies.
void setStartInputs(MainWindow& window, const cli::Options& options);

}  // namespace brenvik
