#include "model/point_spread.h"

namespace brenvik {

// The steps are the arithmetic's own, so that the fast software form can prove itself
// against them.
float intensityAtSquaredDistance(std::int32_t s, float Q) { return pointSpread(s, Q); }

}  // namespace brenvik
