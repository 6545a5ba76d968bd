#pragma once
// Frames of the model computed by an implementation of its arithmetic written apart
// from ours (tests/model/data/golden_frames.csv), with every single-precision value as
// its bit pattern, so that any evaluator can be checked against them bit for bit.

#include "model/frame.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace brenvik::testing {

struct GoldenFrame {
    int line = 0;                  ///< line of the file, for reports
    ModelParameters parameters;    ///< all but the batch size, which is unused
    std::uint32_t seedBefore = 0;  ///< generator state before the frame
    float peak1 = 0.0f, peak2 = 0.0f, cellMean = 0.0f;
    bool resolved = false;
    std::uint32_t seedAfter = 0;
};

/// The golden frames' file in the source tree.
std::string goldenFramesFile();

/// Every row of the file; throws std::runtime_error naming the line it cannot read.
std::vector<GoldenFrame> loadGoldenFrames(const std::string& path = goldenFramesFile());

/// A float as the file writes it: 8 hex digits of its bit pattern.
std::string hexBits(float value);

void PrintTo(const GoldenFrame& frame, std::ostream* os);

}  // namespace brenvik::testing
