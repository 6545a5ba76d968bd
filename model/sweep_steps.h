#pragma once
// What a parameter sweep sets at step s (0 … 120) and how it reads the probability
// back for its curve.

#include "model/extended.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brenvik {

inline constexpr int kSweepLastParameterStep = 120;
inline constexpr int kSweepEndStep = 121;

/// T2 moves along the sensor's diagonal: both coordinates are s − 60.
inline std::int32_t sweepPosition(int s) { return s - 60; }

/// The noise level s ÷ 4, 0 … 30.
inline std::int32_t sweepNoiseLevel(int s) { return s / 4; }

/// t = s ÷ 1.2 truncated, with 1.2 held as the nearest extended value (just above 1.2):
/// one less than the exact quotient at s = 18, 30, 36, 60, 66, 72 and 120.
std::int32_t sweepThresholdHundredths(int s);

/// The threshold text written at step s: t ÷ 100 in the general format ("0,14" at s = 18).
std::string sweepThresholdText(int s, char separator);

/// Pixels above the axis for probability P: 200·P truncated, formed in extended
/// precision, so "0,53" gives 105 and "0,59" gives 117.
std::int32_t curveHeight(Extended P);

} // namespace brenvik
