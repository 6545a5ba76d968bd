#pragma once
// The model seen through plain types, compiled once for each form of its extended
// arithmetic (path.cpp), so that one test program can hold both and compare them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace identity {

struct Inputs {
    float Q = 9.0f, Threshold = 0.27f;
    std::int8_t T1X = 0, T1Y = 0, T2X = 0, T2Y = 0;
    bool noise = false;
    std::int32_t level = 0;
    std::uint32_t seed = 0;
};

/// Every single value as its bit pattern.
struct Outcome {
    std::uint32_t Peak1 = 0, Peak2 = 0, CellSum = 0, CellMean = 0, seedAfter = 0;
    std::uint64_t surfaceHash = 0;  ///< FNV-1a of every sample's values (full frame only)
    bool resolved = false;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

/// A parsed text: its value to 21 significant digits (enough to tell any two extended
/// values apart), that value rounded to single, and its text back.
struct Parsed {
    std::string digits;
    std::uint32_t single = 0;
    std::string text;
    friend bool operator==(const Parsed&, const Parsed&) = default;
};

}  // namespace identity

#define IDENTITY_DECLARE_PATH(name)                                                                          \
    namespace name {                                                                                         \
    identity::Outcome frame(const identity::Inputs& in);                                                     \
    identity::Outcome trial(const identity::Inputs& in);                                                     \
    double expected(const identity::Inputs& in);                                                             \
    std::optional<identity::Parsed> parse(std::string_view text, char separator);                            \
    /** sign · significand · 2^exponent, as realToText shows it. */                                        \
    std::string text(bool negative, std::uint64_t significand, int exponent, char separator);                \
    std::string probabilityText(float probability, char separator);                                          \
    std::int32_t sweepThresholdHundredths(int step);                                                         \
    }

IDENTITY_DECLARE_PATH(hardware_path)
IDENTITY_DECLARE_PATH(software_path)
