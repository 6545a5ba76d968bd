#pragma once
// What a parameter sweep sets at step s (0 … 120) and how it reads the probability
// back for its curve.

#include "model/extended.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brenvik {

inline constexpr int kSweepLastParameterStep = 120;
inline constexpr int kSweepEndStep = 121;

/// Which parameters a sweep varies; any combination, none included.
struct SweptParameters {
    bool position = true;    ///< T2 := (s − 60, s − 60)
    bool noise = false;      ///< noise on, level s ÷ 4
    bool threshold = false;  ///< the threshold text t ÷ 100
};

/// What step s sets: a value for each varied parameter, nothing for the others.
struct StepSetting {
    std::optional<std::int32_t> position;             ///< both coordinates of T2
    std::optional<std::int32_t> noiseLevel;           ///< with the noise switched on
    std::optional<std::int32_t> thresholdHundredths;  ///< t: the threshold is t ÷ 100

    friend bool operator==(const StepSetting&, const StepSetting&) = default;
};

/// The one rule for what a sweep sets at step s, shared by the program and the tool.
StepSetting stepSetting(int s, const SweptParameters& vary);

/// T2 moves along the sensor's diagonal: both coordinates are s − 60.
inline std::int32_t sweepPosition(int s) { return s - 60; }

/// The noise level s ÷ 4, 0 … 30.
inline std::int32_t sweepNoiseLevel(int s) { return s / 4; }

/// t = s ÷ 1.2 truncated, with 1.2 held as the nearest extended value (just above 1.2):
/// one less than the exact quotient at s = 18, 30, 36, 60, 66, 72 and 120.
std::int32_t sweepThresholdHundredths(int s);

/// The threshold text t ÷ 100 in the general format (t = 14 gives "0,14").
std::string thresholdText(std::int32_t hundredths, char separator);

/// The threshold that the text t ÷ 100 holds once a frame has read it, rounded to single.
float thresholdValue(std::int32_t hundredths);

/// The threshold text written at step s ("0,14" at s = 18).
inline std::string sweepThresholdText(int s, char separator)
{
    return thresholdText(sweepThresholdHundredths(s), separator);
}

/// Pixels above the axis for probability P: 200·P truncated, formed in extended
/// precision, so "0,53" gives 105 and "0,59" gives 117.
std::int32_t curveHeight(Extended P);

}  // namespace brenvik
