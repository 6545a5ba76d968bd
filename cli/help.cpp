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
  brenvik-cli COMMAND --help

Commands:
  trials    run consecutive frames from the program's start state, one trial each
  sweep     sweep T2's position, the noise level and/or the threshold over 121 steps
  expected  the probability that one trial is resolved, computed exactly

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
    switch (command) {
    case Command::Trials:
        return trials;
    case Command::Sweep:
        return sweep;
    case Command::Expected:
        return expected;
    case Command::Help:
        break;
    }
    return kToolHelp;
}

}  // namespace brenvik::cli
