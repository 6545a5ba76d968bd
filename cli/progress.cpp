#include "cli/progress.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace brenvik::cli {

namespace {

constexpr auto kInterval = std::chrono::milliseconds(250);
constexpr double kShortestRun = 2.0;    // seconds
constexpr double kFirstEstimate = 0.5;  // seconds before the estimate is trusted
// Back to the line's start, and clear it from there: a terminal's own control sequence.
constexpr std::string_view kEraseLine = "\r\x1b[K";

double shareDone(const SweepSettings& settings, std::int64_t done)
{
    const std::int64_t total = settings.trialsPerStep * (settings.lastStep - settings.firstStep + 1);
    return static_cast<double>(done) / static_cast<double>(std::max<std::int64_t>(1, total));
}

}  // namespace

std::string progressText(int step, int firstStep, int lastStep, double share, double secondsLeft)
{
    std::string text = "step " + std::to_string(step) + " of steps " + std::to_string(firstStep) + "–" +
                       std::to_string(lastStep) + ", " + std::to_string(static_cast<int>(share * 100)) +
                       " % done, ";
    if (secondsLeft < 0.0)
        return text + "time left not yet known";
    const auto seconds = static_cast<long long>(std::ceil(secondsLeft));
    text += "about ";
    if (seconds >= 60) {
        const long long rest = seconds % 60;
        text += std::to_string(seconds / 60) + " min " + (rest < 10 ? "0" : "") + std::to_string(rest) + " s";
    } else {
        text += std::to_string(seconds) + " s";
    }
    return text + " left";
}

std::string progressLine(const SweepSettings& settings, std::int64_t done, double elapsed)
{
    const double share = shareDone(settings, done);
    const int step =
        settings.firstStep +
        static_cast<int>(std::min<std::int64_t>(done / std::max<std::int64_t>(1, settings.trialsPerStep),
                                                settings.lastStep - settings.firstStep));
    const double left = share > 0.0 ? elapsed * (1.0 - share) / share : -1.0;
    return progressText(step, settings.firstStep, settings.lastStep, share, left);
}

double steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool progressWorthShowing(double elapsed, double share)
{
    if (elapsed < kFirstEstimate)
        return false;
    return share <= 0.0 || elapsed / share > kShortestRun;
}

SweepProgress::SweepProgress(std::ostream& err, const SweepSettings& settings, ProgressClock clock)
    : m_err(err),
      m_settings(settings),
      m_clock(std::move(clock)),
      m_start(m_clock()),
      m_thread([this](std::stop_token stop) { follow(stop); })
{
}

SweepProgress::~SweepProgress()
{
    m_thread.request_stop();
    m_thread.join();
    std::lock_guard lock(m_mutex);
    eraseLine();
}

void SweepProgress::follow(std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    // A look at once, then one each interval; wakes early only when the sweep is over.
    do
        update();
    while (!m_wake.wait_for(lock, stop, kInterval, [&stop] { return stop.stop_requested(); }));
}

void SweepProgress::update()
{
    const std::int64_t done = m_trialsDone.load(std::memory_order_relaxed);
    const double elapsed = m_clock() - m_start;
    // Once shown, the line stays until the end even if the estimate shrinks.
    m_earned = m_earned || progressWorthShowing(elapsed, shareDone(m_settings, done));
    if (!m_earned)
        return;
    m_err << kEraseLine << progressLine(m_settings, done, elapsed) << std::flush;
    m_shown = true;
}

void SweepProgress::eraseLine()
{
    if (m_shown)
        m_err << kEraseLine << std::flush;
    m_shown = false;
}

}  // namespace brenvik::cli
