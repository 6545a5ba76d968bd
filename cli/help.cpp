#include "cli/help.h"

namespace brenvik::cli {

namespace {

constexpr std::string_view kModelOptions = R"(Model options (defaults are the main window's initial values):
  --q TEXT          width Q of the point-spread function (9)
  --threshold TEXT  resolution threshold (0.27)
  --t1 X,Y          position of source T1, each -60..60 (0,0)
  --t2 X,Y          position of source T2, each -60..60 (0,0)
  --noise LEVEL     white noise on at level 0..30 (off when absent)
Decimal numbers take "." or "," as separator; output always uses ".".
)";

constexpr std::string_view kToolHelp = R"(brenvik-cli - the Brenvik resolution model without a window.

Usage:
  brenvik-cli trials [model options] [--tests N] [--frames N]
  brenvik-cli sweep  [model options] [--vary LIST] [--tests N] [--threads N]
                     [--steps A-B] [--header]
  brenvik-cli expected [model options]
  brenvik-cli map   --y noise|threshold [model options] [--threads N]
  brenvik-cli limit --y noise|threshold [--p P] [model options] [--threads N]
  brenvik-cli COMMAND --help

Commands:
  trials    run consecutive frames from the program's start state, one trial each
  sweep     sweep T2's position, the noise level and/or the threshold over 121 steps
  expected  the probability that one trial is resolved, computed exactly
  map       that probability over T2's 121 steps against every noise level or
            every threshold
  limit     where along T2's steps that probability passes P, level by level

--tests means the batch size for trials and the trials per step for sweep; see
each command's help.

Output is CSV on standard output. A bad number or option is reported on standard
error with exit status 2, and nothing is printed then.
)";

constexpr std::string_view kTrialsHead =
    R"(brenvik-cli trials - consecutive frames, as timer ticks with unchanged inputs.

Usage: brenvik-cli trials [model options] [--tests N] [--frames N]

Starts from the program's start state (noise generator at 0, empty batch) and runs
N frames, one resolution trial each, counted in batches as the main window does.
  --tests N     the batch size: after every N trials a probability is written, as
                the box "Кол-во тестов:" ("Trials:" in English) sets it (default 5).
                As there, N is a 32-bit integer of which only the low 8 bits count:
                300 makes batches of 44, 0 and 256 make batches of 256.
                Example: brenvik-cli trials --tests 10 --frames 30
                (30 frames, a probability after the 10th, 20th and 30th)
  --frames N    number of frames, 0 or more (default: one batch)

)";

constexpr std::string_view kTrialsTail = R"(
Columns: frame,peak1,peak2,cell_mean,resolved,probability
  frame        1, 2, ...
  peak1/peak2  illumination at T1 and at T2, noise included
  cell_mean    mean illumination over the sensor cell under the midpoint
  resolved     1 or 0
  probability  empty unless the frame completed a batch; then the text the
               probability box would show, with "."
)";

constexpr std::string_view kSweepHead =
    R"(brenvik-cli sweep - a parameter sweep, done cleanly and at full speed.

Usage: brenvik-cli sweep [model options] [--vary LIST] [--tests N] [--threads N]
                         [--steps A-B] [--header]

For each step s = 0..120 the varied parameters are set as the main window's sweep
sets them, and N trials are made with those parameters alone, counted exactly.
All noise comes from one generator that starts at 0; the output is the same for any
number of threads and for the whole run as for its ranges put end to end.
  --vary LIST    comma list of: position (T2 := (s-60, s-60)), noise (on, level s/4),
                 threshold (the text of t/100, t = s/1.2 truncated); "none" varies
                 nothing (default: position)
  --tests N      trials per step: each of the 121 steps makes N trials with its own
                 parameters, 1..1000000 (default 5). There are no batches here; in the
                 main window a batch may begin at one step and end at the next.
                 Example: brenvik-cli sweep --vary noise --tests 200
                 (200 trials at each step, the noise level going from 0 to 30)
  --threads N    threads sharing each step's trials, 1..1024 (default: one per core)
  --steps A-B    only steps A..B, 0 <= A <= B <= 120, with the noise generator where
                 the whole sweep has it at step A (default: 0-120)
  --header       print the header line even when A is not 0
On a terminal, a sweep that takes more than a few seconds shows its progress on
standard error.

)";

constexpr std::string_view kSweepTail = R"(
Columns: step,t2x,t2y,noise,threshold,resolved,trials,probability,ci_low,ci_high,p_expected
  noise            the level, or "off"
  probability      resolved / trials
  ci_low/ci_high   95 % Wilson score interval of that share
  p_expected       the probability that the share estimates (see 'brenvik-cli expected --help')
)";

constexpr std::string_view kExpectedHead =
    R"(brenvik-cli expected - the probability of resolution, computed instead of estimated.

Usage: brenvik-cli expected [model options]

Prints the probability that one trial with these inputs is resolved: the value that
the share of resolved trials approaches as their number grows. With noise at level L
the cell mean is M0 + N/49 and peak k is Pk0 + mk, M0 and Pk0 the values without
noise, N the sum of the cell's 98 draws and mk the peak's draw, each draw uniform on
0..L-1; the trial is resolved when (1 - threshold)*Pk >= cell mean for both peaks, so

  P = sum over n of P(N = n) * P1(n) * P2(n),

Pk(n) being the share of draws mk for which peak k passes. Without noise, or at level
0 or 1, P is 0 or 1.

)";

constexpr std::string_view kExpectedTail = R"(
Columns: p_expected
)";

constexpr std::string_view kMapGrid =
    R"(The grid: T2's step s = 0..120 along the sensor's diagonal, T2 = (s-60, s-60) as a
position sweep moves it, against
  --y noise      the noise level 0..30, white noise on (31 rows), or
  --y threshold  the threshold t/100 for t = 0..99, as a threshold sweep sets it
                 (100 rows)
The other inputs are the model options below; --t2 is not taken (T2 is the x axis),
nor --noise with --y noise, nor --threshold with --y threshold.
  --threads N    threads sharing the rows, 1..1024 (default: one per core); the
                 output is the same for any number
)";

constexpr std::string_view kMapHead =
    R"(brenvik-cli map - the probability of resolution over a grid, computed exactly.

Usage: brenvik-cli map --y noise|threshold [model options] [--threads N]

Prints, for every point of the grid, the probability that one trial is resolved, as
'brenvik-cli expected' prints it for that point's inputs.
)";

constexpr std::string_view kMapTail = R"(
Example: brenvik-cli map --y noise --t1 -10,0 --threshold 0.3

Columns: step,t2x,t2y,separation,noise,threshold,p_expected
  one row per grid point, the levels in turn and the steps 0..120 within each
  separation  |T2 - T1| in sensor units
  noise       the level, or "off"
  p_expected  the probability that one trial is resolved
)";

constexpr std::string_view kLimitHead =
    R"(brenvik-cli limit - how far apart the sources must be, level by level.

Usage: brenvik-cli limit --y noise|threshold [--p P] [model options] [--threads N]

For each row of the grid that 'brenvik-cli map' computes, the places where the
probability of resolution passes P between two neighbouring steps: one below P, the
other at or above it. The sensor's cells make the probability rise and fall along a
row, so a row may pass P several times, or never; every passing is listed.
  --p P          the probability, above 0 and at most 1 (default 0.5)
)";

constexpr std::string_view kLimitTail = R"(
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

std::string joined(std::string_view a, std::string_view b, std::string_view c, std::string_view d)
{
    std::string text(a);
    text += b;
    text += c;
    text += d;
    return text;
}

std::string joined(std::string_view a, std::string_view b, std::string_view c)
{
    std::string text(a);
    text += b;
    text += c;
    return text;
}

}  // namespace

std::string_view helpText(Command command)
{
    static const std::string trials = joined(kTrialsHead, kModelOptions, kTrialsTail);
    static const std::string sweep = joined(kSweepHead, kModelOptions, kSweepTail);
    static const std::string expected = joined(kExpectedHead, kModelOptions, kExpectedTail);
    static const std::string map = joined(kMapHead, kMapGrid, kModelOptions, kMapTail);
    static const std::string limit = joined(kLimitHead, kMapGrid, kModelOptions, kLimitTail);
    switch (command) {
    case Command::Trials:
        return trials;
    case Command::Sweep:
        return sweep;
    case Command::Expected:
        return expected;
    case Command::Map:
        return map;
    case Command::Limit:
        return limit;
    case Command::Help:
        break;
    }
    return kToolHelp;
}

}  // namespace brenvik::cli
