#include "ui/sweep_points.h"

#include "model/number_text.h"
#include "model/shortest_text.h"

namespace brenvik {

QString sweepCsv(const std::vector<SweepPoint>& points)
{
    std::string csv = "step,t2x,t2y,noise,threshold,probability\n";
    for (const SweepPoint& p : points) {
        csv += std::to_string(p.step) + ',' + std::to_string(p.t2x) + ',' + std::to_string(p.t2y) + ',' +
               (p.noiseOn ? std::to_string(p.noiseLevel) : std::string("off")) + ',' +
               shortestText(p.threshold) + ',' + realToText(p.probability, '.') + '\n';
    }
    return QString::fromStdString(csv);
}

} // namespace brenvik
