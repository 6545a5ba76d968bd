#include "cli/cli.h"

#include "cli/help.h"
#include "cli/options.h"
#include "model/failure_text.h"
#include "model/number_text.h"
#include "model/resolution_model.h"
#include "model/shortest_text.h"
#include "model/statistics.h"
#include "model/sweep_experiment.h"
#include "model/trials.h"

namespace brenvik::cli {

namespace {

void runTrials(const Options& options, std::ostream& out)
{
    const std::uint8_t batch = options.inputs.BatchSize;
    const std::int64_t frames = options.frames >= 0 ? options.frames : (batch == 0 ? 256 : batch);

    ResolutionModel model;
    out << "frame,peak1,peak2,cell_mean,resolved,probability\n";
    for (std::int64_t frame = 1; frame <= frames; ++frame) {
        const FrameOutcome outcome = model.runFrame(options.inputs, options.noise);
        const FrameResult& r = outcome.frame;
        out << frame << ',' << shortestText(r.Peak1) << ',' << shortestText(r.Peak2) << ','
            << shortestText(r.CellMean) << ',' << (r.resolved ? 1 : 0) << ',';
        if (outcome.Probability)
            out << probabilityText(*outcome.Probability, '.');
        out << '\n';
    }
}

void runSweepCommand(const Options& options, std::ostream& out)
{
    SweepSettings settings;
    settings.base = options.inputs;
    settings.noise = options.noise;
    settings.vary = options.vary;
    settings.trialsPerStep = options.trialsPerStep;

    out << "step,t2x,t2y,noise,threshold,resolved,trials,probability,ci_low,ci_high\n";
    runSweep(settings, [&out](const SweepStepResult& r) {
        const Interval ci = wilsonInterval(r.resolved, r.trials);
        const double share = static_cast<double>(r.resolved) / static_cast<double>(r.trials);
        out << r.step << ',' << int{r.inputs.T2X} << ',' << int{r.inputs.T2Y} << ','
            << (r.noise.enabled ? std::to_string(r.noise.level) : "off") << ','
            << shortestText(r.inputs.Threshold) << ',' << r.resolved << ',' << r.trials << ','
            << shortestText(share) << ',' << shortestText(ci.low) << ',' << shortestText(ci.high)
            << '\n';
    });
}

} // namespace

int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        options = parseOptions(args);
    } catch (const ConversionError& e) {
        err << withFullStop(e.what()) << '\n';
        return kUsageError;
    } catch (const UsageError& e) {
        err << e.what() << '\n';
        return kUsageError;
    }

    switch (options.command) {
    case Command::Help:
        out << helpText(options.helpFor);
        break;
    case Command::Trials:
        runTrials(options, out);
        break;
    case Command::Sweep:
        runSweepCommand(options, out);
        break;
    }
    out.flush();
    return out ? 0 : 1;
}

} // namespace brenvik::cli
