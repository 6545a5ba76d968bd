#include "cli/help.h"

#include "cli/option_table.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace brenvik::cli {

namespace {

// The help pages' prose. A line that is a {marker} stands for what the option table gives:
// the usage lines, the commands, a list of options, or one of the two blocks below.

constexpr std::string_view kModelOptions = R"(Model options (defaults are the main window's initial values):
{model options}
Decimal numbers take "." or "," as separator; output always uses ".".
)";

constexpr std::string_view kMapGrid =
    R"(The grid: T2's step s = 0..120 along the sensor's diagonal, T2 = (s-60, s-60) as a
position sweep moves it, against
{axis options}
The other inputs are the model options below; --t2 is not taken (T2 is the x axis),
nor --noise with --y noise, nor --threshold with --y threshold.
{grid options}
)";

constexpr std::string_view kToolHelp = R"(brenvik-cli - the Brenvik resolution model without a window.

Usage:
{usages}
  brenvik-cli COMMAND --help
  brenvik-cli --version

Commands:
{commands}

--tests means the batch size for trials and the trials per step for sweep; see
each command's help.

Output is CSV on standard output. A bad number or option is reported on standard
error with exit status 2, and nothing is printed then.
)";

constexpr std::string_view kTrials =
    R"(brenvik-cli trials - consecutive frames, as timer ticks with unchanged inputs.

{usage}

Starts from the program's start state (noise generator at 0, empty batch) and runs
N frames, one resolution trial each, counted in batches as the main window does.
{own options}

{model block}

Columns: frame,peak1,peak2,cell_mean,resolved,probability
  frame        1, 2, ...
  peak1/peak2  illumination at T1 and at T2, noise included
  cell_mean    mean illumination over the sensor cell under the midpoint
  resolved     1 or 0
  probability  empty unless the frame completed a batch; then the text the
               probability box would show, with "."
)";

constexpr std::string_view kSweep = R"(brenvik-cli sweep - a parameter sweep, done cleanly and at full speed.

{usage}

For each step s = 0..120 the varied parameters are set as the main window's sweep
sets them, and N trials are made with those parameters alone, counted exactly.
All noise comes from one generator that starts at 0; the output is the same for any
number of threads and for the whole run as for its ranges put end to end.
{own options}
On a terminal, a sweep that takes more than a few seconds shows its progress on
standard error.

{model block}

Columns: step,t2x,t2y,noise,threshold,resolved,trials,probability,ci_low,ci_high,p_expected
  noise            the level, or "off"
  probability      resolved / trials
  ci_low/ci_high   95 % Wilson score interval of that share
  p_expected       the probability that the share estimates (see 'brenvik-cli expected --help')
)";

constexpr std::string_view kExpected =
    R"(brenvik-cli expected - the probability of resolution, computed instead of estimated.

{usage}

Prints the probability that one trial with these inputs is resolved: the value that
the share of resolved trials approaches as their number grows. With noise at level L
the cell mean is M0 + N/49 and peak k is Pk0 + mk, M0 and Pk0 the values without
noise, N the sum of the cell's 98 draws and mk the peak's draw, each draw uniform on
0..L-1; the trial is resolved when (1 - threshold)*Pk >= cell mean for both peaks, so

  P = sum over n of P(N = n) * P1(n) * P2(n),

Pk(n) being the share of draws mk for which peak k passes. Without noise, or at level
0 or 1, P is 0 or 1.

{model block}

Columns: p_expected
)";

constexpr std::string_view kMap =
    R"(brenvik-cli map - the probability of resolution over a grid, computed exactly.

{usage}

Prints, for every point of the grid, the probability that one trial is resolved, as
'brenvik-cli expected' prints it for that point's inputs.
{grid block}
{model block}

Example: brenvik-cli map --y noise --t1 -10,0 --threshold 0.3

Columns: step,t2x,t2y,separation,noise,threshold,p_expected,q,t1x,t1y
  one row per grid point, the levels in turn and the steps 0..120 within each
  separation  |T2 - T1| in sensor units
  noise       the level, or "off"
  p_expected  the probability that one trial is resolved
  q,t1x,t1y   the width Q and T1's position, the same in every row
)";

constexpr std::string_view kLimit = R"(brenvik-cli limit - how far apart the sources must be, level by level.

{usage}

For each row of the grid that 'brenvik-cli map' computes, the places where the
probability of resolution passes P between two neighbouring steps: one below P, the
other at or above it. The sensor's cells make the probability rise and fall along a
row, so a row may pass P several times, or never; every passing is listed.
{own options}
{grid block}
{model block}

Example: brenvik-cli limit --p 0.9 --y threshold --noise 20

Columns: noise,threshold,crossings,steps,at_step,separation,separation_q,direction
  one row per level (noise level or threshold)
  crossings     how many times the row passes P
  the other fields hold one entry per passing, in step order, separated by blanks:
  steps         the steps around it, as 42-43
  at_step       the step where it passes, interpolated linearly in the probability
  separation    |T2 - T1| at that step in sensor units
  separation_q  the same in units of Q
  direction     up (the probability rises through P as the step grows) or down
)";

constexpr std::string_view kWindow =
    R"(brenvik - the lab on the resolving power of an imaging link, in its windows.

{usage}
       brenvik --help | --version

Opens the main window with these inputs in its boxes, sliders and check boxes, as if
they had been typed and set there, so that a class can start from one preset. A bad
value is reported on standard error with exit status 2, and no window opens then.
{own options}

Model options (defaults are the main window's initial values):
{model options}
Decimal numbers take "." or "," as separator; the boxes show the locale's.

Example: brenvik --q 7 --t1 -20,-5 --t2 20,5 --noise 13 --vary noise
)";

// Usage lines, like the prose, stay within this width.
constexpr std::size_t kUsageWidth = 85;

// "  SYNOPSIS   text", the text's further lines under its first.
void appendEntry(std::string& out, std::string_view synopsis, std::string_view text, std::size_t column)
{
    std::string line = "  " + std::string(synopsis);
    line.resize(std::max(column, line.size() + 2), ' ');
    for (std::size_t start = 0;;) {
        const auto end = text.find('\n', start);
        out += line;
        out += text.substr(start, end - start);
        out += '\n';
        if (end == std::string_view::npos)
            break;
        start = end + 1;
        line.assign(column, ' ');
    }
}

// The option's help with its range put in.
std::string helpWithRange(const OptionSpec& option)
{
    const std::string low = std::to_string(option.low), high = std::to_string(option.high);
    std::string text(option.help);
    for (const auto& [field, value] :
         {std::pair{"{range}", low + ".." + high}, {"{low}", low}, {"{high}", high}})
        for (auto at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size()))
            text.replace(at, std::string_view(field).size(), value);
    return text;
}

std::string synopsis(const OptionSpec& option)
{
    return std::string(option.name) + (option.value.empty() ? "" : " " + std::string(option.value));
}

std::string optionList(Command command, HelpGroup group, std::size_t column)
{
    std::string list;
    for (const OptionSpec& option : optionTable()) {
        if (option.group != group || !option.commands.contains(command))
            continue;
        for (const Choice& choice : option.choices)
            appendEntry(list, std::string(option.name) + " " + std::string(choice.word), choice.help, column);
        if (option.choices.empty())
            appendEntry(list, synopsis(option), helpWithRange(option), column);
    }
    return list;
}

// `lead` and the command's options as its usage names them, wrapped under their first.
std::string usageLine(const std::string& lead, Command command)
{
    std::vector<std::string> words;
    for (const OptionSpec& option : optionTable()) {
        if (!option.commands.contains(command))
            continue;
        const std::string word = option.group == HelpGroup::model ? "[model options]"
                                 : option.required                ? synopsis(option)
                                                                  : "[" + synopsis(option) + "]";
        if (words.empty() || words.back() != word)
            words.push_back(word);
    }
    std::string text, line = lead;
    for (const std::string& word : words) {
        if (line.size() > lead.size() && line.size() + 1 + word.size() > kUsageWidth) {
            text += line + '\n';
            line.assign(lead.size(), ' ');
        } else if (line.size() > lead.size()) {
            line += ' ';
        }
        line += word;
    }
    return text + line + '\n';
}

// The page with each line that is a {marker} replaced by what it stands for.
std::string expanded(std::string_view page, Command command)
{
    const std::size_t column = command == Command::Trials ? 16 : 17;
    std::string text;
    for (std::size_t start = 0; start < page.size();) {
        const auto end = std::min(page.find('\n', start), page.size());
        const std::string_view line = page.substr(start, end - start);
        start = end + 1;
        if (line == "{usages}")
            for (const CommandEntry& entry : commandTable())
                text += usageLine("  " + commandLine(entry.command) +
                                      std::string(entry.usageWidth + 1 - entry.name.size(), ' '),
                                  entry.command);
        else if (line == "{usage}")
            text += usageLine("Usage: " + commandLine(command) + " ", command);
        else if (line == "{commands}")
            for (const CommandEntry& entry : commandTable())
                appendEntry(text, entry.name, entry.summary, 12);
        else if (line == "{own options}")
            text += optionList(command, HelpGroup::command, column);
        else if (line == "{axis options}")
            text += optionList(command, HelpGroup::axis, column);
        else if (line == "{grid options}")
            text += optionList(command, HelpGroup::grid, column);
        else if (line == "{model options}")
            text += optionList(command, HelpGroup::model, 20);
        else if (line == "{model block}")
            text += expanded(kModelOptions, command);
        else if (line == "{grid block}")
            text += expanded(kMapGrid, command);
        else
            text += std::string(line) + '\n';
    }
    return text;
}

}  // namespace

std::string_view helpText(Command command)
{
    using enum Command;
    static const std::array pages = {expanded(kToolHelp, Help), expanded(kTrials, Trials),
                                     expanded(kSweep, Sweep),   expanded(kExpected, Expected),
                                     expanded(kMap, Map),       expanded(kLimit, Limit),
                                     expanded(kWindow, Window)};
    return pages[static_cast<std::size_t>(command)];
}

std::string_view version() { return BRENVIK_VERSION; }

}  // namespace brenvik::cli
