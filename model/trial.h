#pragma once
// A frame's resolution trial without the rest of the frame. The verdict depends only on
// the 49 samples of the midpoint cell, the two peaks and the generator state: the other
// samples merely advance the generator by two draws each, and those draws are jumped
// over. Every value and the generator's final state are bit for bit those of
// FrameEvaluator::evaluate, which the main window keeps since it draws every sample.

#include "model/frame.h"
#include "model/noise.h"
#include "model/noise_jump.h"

#include <array>
#include <cstdint>
#include <optional>

namespace brenvik {

inline constexpr int kCellSide = 7;
inline constexpr int kCellSamples = kCellSide * kCellSide;

/// What a trial needs from its inputs before any noise, prepared once for many trials.
struct TrialPlan {
    ModelParameters parameters;
    /// The cell's samples in loop order (x outer), each source's light ×1200, no noise.
    std::array<float, kCellSamples> intensity1{};
    std::array<float, kCellSamples> intensity2{};
    /// The whole result with noise off.
    FrameResult quiet;
    /// From a frame's first state to the state just before the cell's first draw.
    NoiseJump toCell;
};

TrialPlan planTrial(const ModelParameters& parameters);

/// One trial: with noise on it advances `generator` exactly as a frame's 29 284 draws
/// do; with noise off it draws nothing.
FrameResult runTrial(const TrialPlan& plan, NoiseGenerator& generator);

/// Trials one after another, planning anew only when a parameter that matters changes.
class TrialEvaluator {
public:
    FrameResult evaluate(const ModelParameters& parameters, NoiseGenerator& generator);

private:
    std::optional<TrialPlan> m_plan;
};

}  // namespace brenvik
