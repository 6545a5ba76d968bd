#include "cli/cli.h"

#include "cli/help.h"
#include "cli/input_warnings.h"
#include "cli/parse_options.h"
#include "cli/progress.h"
#include "cli/sweep_csv.h"
#include "model/expected_probability.h"
#include "model/number_text.h"
#include "model/probability_map_csv.h"
#include "model/resolution_model.h"
#include "model/shortest_text.h"
#include "model/sweep_experiment.h"
#include "model/trials.h"

#include <algorithm>
#include <optional>
#include <thread>

namespace brenvik::cli {

namespace {

// --threads N, or one thread per core when it is not given.
unsigned threadCount(const Options& options)
{
    return options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
}

void runTrials(const Options& options, std::ostream& out)
{
    const std::uint8_t batch = options.parameters.batchSize;
    const std::int64_t frames = options.frames >= 0 ? options.frames : (batch == 0 ? 256 : batch);

    ResolutionModel model;
    out << "frame,peak1,peak2,cell_mean,resolved,probability\n";
    for (std::int64_t frame = 1; frame <= frames; ++frame) {
        const FrameOutcome outcome = model.runTrial(options.parameters);
        const FrameResult& r = outcome.frame;
        out << frame << ',' << shortestText(r.peak1) << ',' << shortestText(r.peak2) << ','
            << shortestText(r.cellMean) << ',' << (r.resolved ? 1 : 0) << ',';
        if (outcome.probability)
            out << probabilityText(*outcome.probability, '.');
        out << '\n';
    }
}

void runSweepCommand(const Options& options, std::ostream& out, std::ostream& err, Terminals terminals,
                     const ProgressClock& clock)
{
    SweepSettings settings;
    settings.base = options.parameters;
    settings.vary = options.vary;
    settings.trialsPerStep = options.trialsPerStep;
    settings.firstStep = options.firstStep;
    settings.lastStep = options.lastStep;
    settings.threads = threadCount(options);

    // Ranges run apart concatenate to the whole sweep: one header, from the range at step 0.
    if (options.header || options.firstStep == 0)
        out << kSweepCsvHeader;
    std::optional<SweepProgress> progress;
    if (terminals.err) {
        progress.emplace(err, settings, clock);
        settings.trialsDone = &progress->trialsDone();
    }
    ExpectedProbability expected;
    runSweep(settings, [&](const SweepStepResult& r) {
        if (progress && terminals.out)
            progress->withLineErased([&] {
                writeSweepCsvRow(out, r, expected);
                out.flush();
            });
        else
            writeSweepCsvRow(out, r, expected);
    });
}

void runExpected(const Options& options, std::ostream& out)
{
    out << "p_expected\n" << shortestText(expectedProbability(options.parameters)) << '\n';
}

ProbabilityMap computeMap(const Options& options)
{
    MapGrid grid;
    grid.axis = options.mapAxis;
    grid.base = options.parameters;
    return *computeProbabilityMap(grid, threadCount(options));  // nothing cancels it
}

}  // namespace

int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err, Terminals terminals,
        const ProgressClock& clock)
{
    Options options;
    try {
        options = parseOptions(args);
    } catch (const UsageError& e) {
        err << e.what() << '\n';
        return kUsageError;
    }
    for (const std::string& warning : inputWarnings(options))
        err << warning << '\n';

    switch (options.command) {
    case Command::Help:
        out << helpText(options.helpFor);
        break;
    case Command::Window:  // the desktop program's command line, never brenvik-cli's
        break;
    case Command::Version:
        out << "brenvik-cli " << version() << '\n';
        break;
    case Command::Trials:
        runTrials(options, out);
        break;
    case Command::Sweep:
        runSweepCommand(options, out, err, terminals, clock);
        break;
    case Command::Expected:
        runExpected(options, out);
        break;
    case Command::Map:
        writeMapCsv(out, computeMap(options));
        break;
    case Command::Limit:
        writeLimitCsv(out, computeMap(options), options.limitP);
        break;
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace brenvik::cli
