#pragma once
// The points a sweep plotted since its last Start, with the parameters in force, for
// saving as CSV.

#include <QString>

#include <vector>

namespace brenvik {

struct SweepPoint {
    int step = 0;
    int t2x = 0, t2y = 0;
    bool noiseOn = false;
    int noiseLevel = 0;
    float threshold = 0.0f;
    long double probability = 0.0L;
};

/// "step,t2x,t2y,noise,threshold,probability" and one row per point, "." as decimal point;
/// noise is the level or "off".
QString sweepCsv(const std::vector<SweepPoint>& points);

} // namespace brenvik
