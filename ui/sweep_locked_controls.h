#pragma once
// The main window's inputs that a running sweep locks, by role name (MainWindowControls'
// members, and the page's): what the sweep varies or each batch reads. No Qt: the
// browser edition locks the same list.

#include <array>
#include <string_view>

namespace brenvik {

inline constexpr std::array<std::string_view, 12> kSweepLockedControls{
    "noiseCheck", "varyPositionCheck", "varyNoiseCheck", "t1XSlider",
    "t1YSlider",  "t2XSlider",         "t2YSlider",      "noiseLevelSlider",
    "qBox",       "trialCountBox",     "thresholdBox",   "varyThresholdCheck"};

}  // namespace brenvik
