#pragma once
// The distribution of a sum of independent draws, each uniform on 0 … level − 1: the
// noise that a frame adds to the cells' samples, summed.

#include <vector>

namespace brenvik {

/// P(N = n) for n = 0 … draws·(level − 1), N the sum of `draws` independent draws, each
/// uniform on 0 … level − 1 (the `draws`-fold convolution of that uniform distribution).
/// draws ≥ 0 and level ≥ 1; no draws, or level 1, give {1}.
///
/// Each convolution is a difference of prefix sums, computed for the lower half and
/// mirrored (every such sum is symmetric about its mean). On the lower half the prefix
/// sums are at most a few times the difference taken, so the far tails keep their
/// relative precision: P(N = 0) is level^−draws to a few units in the last place.
std::vector<double> uniformSumDistribution(int draws, int level);

}  // namespace brenvik
