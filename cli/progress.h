#pragma once
// A progress line for a long sweep on a terminal's standard error: the step, the share
// done and the time left, redrawn a few times a second by a thread of its own and erased
// at the end. A short run never shows it.

#include "model/sweep_experiment.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace brenvik::cli {

/// "step 37 of steps 0–120, 31 % done, about 41 s left"; a negative time left is not yet known.
std::string progressText(int step, int firstStep, int lastStep, double share, double secondsLeft);

/// The text for a sweep over `settings`' steps that has made `done` of its trials in
/// `elapsed` seconds.
std::string progressLine(const SweepSettings& settings, std::int64_t done, double elapsed);

/// Seconds from some fixed moment, as the line's estimates read them.
using ProgressClock = std::function<double()>;
double steadySeconds();

/// A run that has lasted `elapsed` seconds and done `share` of its trials earns a line
/// once it has lasted half a second and looks set to take more than two in all.
bool progressWorthShowing(double elapsed, double share);

class SweepProgress {
public:
    /// Follows `settings`' steps; the sweep must count its trials into trialsDone().
    SweepProgress(std::ostream& err, const SweepSettings& settings, ProgressClock clock = steadySeconds);
    /// Stops the updates and erases the line.
    ~SweepProgress();
    SweepProgress(const SweepProgress&) = delete;
    SweepProgress& operator=(const SweepProgress&) = delete;

    std::atomic<std::int64_t>& trialsDone() { return m_trialsDone; }

    /// Runs `write` with the line erased, for text bound for the same terminal.
    template <class Write>
    void withLineErased(Write&& write)
    {
        std::lock_guard lock(m_mutex);
        eraseLine();
        write();
    }

private:
    void update();
    void eraseLine();
    void follow(std::stop_token stop);

    std::ostream& m_err;
    SweepSettings m_settings;
    ProgressClock m_clock;
    double m_start;
    std::atomic<std::int64_t> m_trialsDone{0};
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    bool m_shown = false;
    bool m_earned = false;
    std::jthread m_thread;  // last: starts once everything above exists, stops first
};

}  // namespace brenvik::cli
