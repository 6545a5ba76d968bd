#include "ui/command_line.h"

#include "cli/help.h"
#include "cli/parse_options.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

namespace brenvik {

namespace {

// Qt's options begin with one dash and a letter; a negative number is no such word.
bool mayBeQtOption(std::string_view word)
{
    return word.size() > 1 && word[0] == '-' && std::isalpha(static_cast<unsigned char>(word[1]));
}

// A number as a user types it: without blanks around it, with the window's separator.
QString asTyped(std::string_view text, char separator)
{
    QString typed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    return typed.replace(QLatin1Char('.'), QLatin1Char(separator))
        .replace(QLatin1Char(','), QLatin1Char(separator));
}

}  // namespace

StartCommand readCommandLine(int argc, const char* const* argv, bool qtHasRead, std::ostream& out,
                             std::ostream& err)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    StartCommand command;
    try {
        command.options = cli::parseWindowOptions(args);
    } catch (const cli::UsageError& error) {
        command.readAgain = !qtHasRead && std::ranges::any_of(args, mayBeQtOption);
        if (!command.readAgain) {
            err << error.what() << '\n';
            command.exitStatus = cli::kUsageError;
        }
        return command;
    }
    if (command.options.command == cli::Command::Help)
        out << cli::helpText(cli::Command::Window);
    else if (command.options.command == cli::Command::Version)
        out << "brenvik " << cli::version() << '\n';
    else
        return command;
    command.exitStatus = out ? 0 : 1;
    return command;
}

void setStartInputs(MainWindow& window, const cli::Options& options)
{
    const MainWindowControls& c = window.controls();
    const ModelParameters& p = options.parameters;
    const auto given = [&](std::string_view name) { return options.given.contains(name); };
    for (const auto& [name, box] :
         {std::pair{"--q", c.qBox}, {"--threshold", c.thresholdBox}, {"--tests", c.trialCountBox}})
        if (given(name))
            box->setText(asTyped(options.given.at(name), window.separator()));
    if (given("--t1")) {
        c.t1XSlider->setValue(p.t1x);
        c.t1YSlider->setValue(p.t1y);
    }
    if (given("--t2")) {
        c.t2XSlider->setValue(p.t2x);
        c.t2YSlider->setValue(p.t2y);
    }
    if (given("--noise")) {
        c.noiseCheck->setChecked(true);
        c.noiseLevelSlider->setValue(p.noise.level);
    }
    if (given("--vary")) {
        c.varyPositionCheck->setChecked(options.vary.position);
        c.varyNoiseCheck->setChecked(options.vary.noise);
        c.varyThresholdCheck->setChecked(options.vary.threshold);
    }
}

}  // namespace brenvik
