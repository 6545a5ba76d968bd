#pragma once
// The probability that one trial is resolved, computed instead of estimated: the value
// that the share of resolved trials tends to as the trials grow in number.
//
// Noise only adds. At level L each of the 49 samples of the cell gets two draws from
// 0 … L − 1 (one per source) and each peak one more, so with the noiseless values of the
// frame (Peak1₀, Peak2₀, CellSum₀ and the cell mean M₀ = CellSum₀ / 49)
//
//   CellMean = M₀ + N / 49,    N = the sum of the 98 cell draws,
//   Peak_k   = Peak_k₀ + m_k,  m_k = peak k's draw,
//
// and the trial is resolved when (1 − Threshold)·Peak_k ≥ CellMean for k = 1 and 2. N,
// m₁ and m₂ are independent; N has the 98-fold convolution of the uniform distribution
// on 0 … L − 1 (uniform_sum.h), the m_k are uniform. Hence
//
//   P(resolved) = Σ_n P(N = n) · P₁(n) · P₂(n),
//   P_k(n) = #{ m in 0 … L − 1 : (1 − Threshold)·(Peak_k₀ + m) ≥ M₀ + n/49 } / L.
//
// This is the probability in real arithmetic; the single-precision trials follow it up
// to rounding. Each condition (n, m) is decided as a trial decides it, with the trial's
// own last roundings: Peak_k = single(Peak_k₀ + m), CellMean = single(single(CellSum₀ +
// n) / 49), and the criterion of the frame, strict comparisons in extended precision.
// What is left out is the rounding while the cell sum accumulates (each noisy sample
// rounded to single, then the running sum), which depends on the single draws and not
// on N alone; it moves CellMean by a few units in its last place, and so changes the
// verdict only for draws that fall within that distance of a tie.
//
// With noise off, or at level 0 or 1 (every draw is 0), the result is the noiseless
// verdict: 0 or 1.

#include "model/batch_result.h"
#include "model/frame.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace brenvik {

/// The highest noise level the computation takes (the program's levels are 0 … 30).
inline constexpr std::int32_t kMaxExpectedNoiseLevel = 1000;

/// Computes expected probabilities. Keeps the distribution of N for the last level, so
/// that the steps of a sweep that keep the level cost little, and the results for the
/// last two sets of inputs, which a graph asks for again on every tick.
class ExpectedProbability {
public:
    /// P(resolved) for these parameters. Throws std::out_of_range for a noise level
    /// outside 0 … kMaxExpectedNoiseLevel while the noise is on.
    double operator()(const ModelParameters& parameters);

private:
    /// The result depends on every parameter but the batch size (sameTrials).
    struct Answer {
        ModelParameters parameters;
        double p = 0.0;
    };

    double compute(const ModelParameters& parameters);
    const std::vector<double>& noiseSumDistribution(int draws, int level);

    std::array<std::optional<Answer>, 2> m_answers;
    std::size_t m_older = 0;

    int m_draws = -1;
    int m_level = -1;
    std::vector<double> m_distribution;
    std::vector<int> m_passing1, m_passing2;
};

/// The same for one set of parameters.
double expectedProbability(const ModelParameters& parameters);

/// The expected share of resolved trials in a batch: the mean of its trials' expected
/// probabilities. The trials before the last run of equal parameters count with the first
/// trial's parameters; in a sweep a batch spans at most two steps, so that is exact there
/// (apart from a batch begun before the sweep's Start). NaN for a batch without trials.
double expectedShare(const BatchTrials& batch, ExpectedProbability& expected);

}  // namespace brenvik
