#pragma once
// The probability map as CSV, for the tool and the map window alike: the grid in long
// form, one row a point, and the crossings of one probability, one row a level.

#include "model/probability_map.h"

#include <ostream>
#include <string_view>

namespace brenvik {

inline constexpr std::string_view kMapCsvHeader =
    "step,t2x,t2y,separation,noise,threshold,p_expected,q,t1x,t1y\n";
inline constexpr std::string_view kLimitCsvHeader =
    "noise,threshold,crossings,steps,at_step,separation,separation_q,direction\n";

/// Header and one row a grid point, level by level and step by step within a level; each
/// row ends with the inputs the whole map was computed for (Q, T1), so that a file says
/// what it shows.
void writeMapCsv(std::ostream& out, const ProbabilityMap& map);

/// Header and one row a level: where the level's row passes `p` (rowCrossings). The
/// fields of the crossings hold one entry each, separated by blanks: the steps around
/// it ("51-52"), the interpolated step, |T2 − T1| there in sensor units and in units of
/// Q, and "up" or "down".
void writeLimitCsv(std::ostream& out, const ProbabilityMap& map, double p);

}  // namespace brenvik
