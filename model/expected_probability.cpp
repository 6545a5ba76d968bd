#include "model/expected_probability.h"

#include "model/extended.h"
#include "model/trial.h"
#include "model/uniform_sum.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace brenvik {

namespace {

// count[n] := how many draws m of one peak let it pass against the cell mean of a cell
// draw sum n, for n = 0 … sums − 1.
template <class Passes>
void countPassingDraws(int level, int sums, Passes&& passes, std::vector<int>& count)
{
    // For a fixed peak draw a larger sum only raises the cell mean, so the sums that
    // pass form a prefix 0 … end − 1; the rounding to single and the comparison in
    // extended precision are monotonic and keep it so.
    count.assign(static_cast<std::size_t>(sums) + 1, 0);
    for (int m = 0; m < level; ++m) {
        // The first sum that fails, by bisection. (Not std::ranges::partition_point over
        // std::views::iota: clang 14 cannot compile libstdc++ 12's iota_view.)
        int end = 0;
        for (int failing = sums; end < failing;) {
            const int mid = end + (failing - end) / 2;
            if (passes(m, mid))
                end = mid + 1;
            else
                failing = mid;
        }
        ++count[0];
        --count[static_cast<std::size_t>(end)];
    }
    for (std::size_t n = 1; n < count.size(); ++n)
        count[n] += count[n - 1];
}

}  // namespace

const std::vector<double>& ExpectedProbability::noiseSumDistribution(int draws, int level)
{
    if (draws != m_draws || level != m_level) {
        m_distribution = uniformSumDistribution(draws, level);
        m_draws = draws;
        m_level = level;
    }
    return m_distribution;
}

double ExpectedProbability::operator()(const ModelParameters& parameters)
{
    for (const std::optional<Answer>& answer : m_answers) {
        if (answer && sameTrials(answer->parameters, parameters))
            return answer->p;
    }
    const double p = compute(parameters);
    m_answers[m_older] = Answer{parameters, p};
    m_older = 1 - m_older;
    return p;
}

double ExpectedProbability::compute(const ModelParameters& parameters)
{
    const NoiseSettings& noise = parameters.noise;
    if (noise.enabled && (noise.level < 0 || noise.level > kMaxExpectedNoiseLevel)) {
        throw std::out_of_range("expected probability: noise level " + std::to_string(noise.level) +
                                " is outside 0.." + std::to_string(kMaxExpectedNoiseLevel));
    }
    const FrameResult still = planTrial(parameters).quiet;
    if (!noise.enabled || noise.level <= 1)
        return still.resolved ? 1.0 : 0.0;

    const int level = noise.level;
    const std::vector<double>& sumOf = noiseSumDistribution(2 * still.cellCount, level);
    const int sums = static_cast<int>(sumOf.size());

    // The cell's 98 draws come in as one sum n: the rounding after each sample is the one
    // the trials keep and this leaves out.
    auto meanWith = [&](int n) { return cellMean(withNoise(still.cellSum, n), still.cellCount); };
    auto passesWith = [&](float peak0) {
        return [&, peak0](int m, int n) {
            const float noisyPeak = withNoise(peak0, m);
            // The frame's criterion with this peak as both peaks judges this peak alone.
            return isResolved(parameters.threshold, noisyPeak, noisyPeak, meanWith(n));
        };
    };
    countPassingDraws(level, sums, passesWith(still.peak1), m_passing1);
    countPassingDraws(level, sums, passesWith(still.peak2), m_passing2);

    // Both counts fall as n grows: every draw of both peaks passes below `full`, and
    // none from `none` on. P(N < full) is summed from the nearer tail, so that a
    // probability of exactly 0 or 1 comes out as such and one near them keeps its digits.
    const auto both = [&](std::size_t n) { return std::int64_t{m_passing1[n]} * m_passing2[n]; };
    const std::int64_t all = std::int64_t{level} * level;
    std::size_t full = 0;
    while (full < sumOf.size() && both(full) == all)
        ++full;
    std::size_t none = sumOf.size();
    while (none > full && both(none - 1) == 0)
        --none;

    double below = 0.0;
    if (2 * full <= sumOf.size()) {
        for (std::size_t n = 0; n < full; ++n)
            below += sumOf[n];
    } else {
        double above = 0.0;
        for (std::size_t n = full; n < sumOf.size(); ++n)
            above += sumOf[n];
        below = 1.0 - above;
    }
    double partial = 0.0;
    for (std::size_t n = full; n < none; ++n)
        partial += sumOf[n] * static_cast<double>(both(n));
    return std::clamp(below + partial / static_cast<double>(all), 0.0, 1.0);
}

double expectedProbability(const ModelParameters& parameters)
{
    ExpectedProbability expected;
    return expected(parameters);
}

double expectedShare(const BatchTrials& batch, ExpectedProbability& expected)
{
    if (batch.trials() == 0)
        return std::numeric_limits<double>::quiet_NaN();
    const double atLast = expected(batch.last());
    if (batch.uniform())
        return atLast;
    const double atFirst = expected(batch.first());
    const auto before = static_cast<double>(batch.trials() - batch.trialsAtLast());
    return (atFirst * before + atLast * static_cast<double>(batch.trialsAtLast())) /
           static_cast<double>(batch.trials());
}

}  // namespace brenvik
