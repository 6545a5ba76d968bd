#pragma once
// Counting resolution trials into batches and the probability shown at a batch end.

#include "model/extended.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brenvik {

/// The batch under way. TestCount and ResolvedCount are the 8-bit counts the rest of
/// the program reads (a sweep steps when TestCount is 1); they wrap from 255 to 0.
/// The counter itself keeps the whole counts, so that a batch that runs past 255
/// trials (a batch size whose low 8 bits are 0, or one lowered below the trials
/// already made) still shows the true share of resolved trials.
class TrialCounter {
public:
    std::uint8_t TestCount() const { return static_cast<std::uint8_t>(m_tests); }
    std::uint8_t ResolvedCount() const { return static_cast<std::uint8_t>(m_resolved); }

    /// Count one trial. When TestCount now equals batchSize (8-bit equality, not "at
    /// least") the batch ends: both counts return to 0 and the share of resolved
    /// trials, rounded to single precision, is returned.
    std::optional<float> countTrial(bool resolved, std::uint8_t batchSize);

    /// Start an empty batch.
    void reset() { m_tests = m_resolved = 0; }

private:
    std::uint32_t m_tests = 0;
    std::uint32_t m_resolved = 0;
};

/// The value shown for a completed batch: ⌊probability × 100⌋ / 100 in extended
/// precision. Because the share is rounded to single first, 7 of 10 shows 0.69.
Extended shownProbability(float probability);

/// shownProbability in the general number format ("0,69").
std::string probabilityText(float probability, char separator);

}  // namespace brenvik
