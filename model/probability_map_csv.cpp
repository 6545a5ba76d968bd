#include "model/probability_map_csv.h"

#include "model/shortest_text.h"

#include <string>

namespace brenvik {

namespace {

std::string noiseText(const NoiseSettings& noise)
{
    return noise.enabled ? std::to_string(noise.level) : std::string("off");
}

// One field of blank-separated entries, one a crossing.
template <class Entry>
std::string joined(const std::vector<Crossing>& crossings, Entry&& entry)
{
    std::string field;
    for (const Crossing& c : crossings) {
        if (!field.empty())
            field += ' ';
        field += entry(c);
    }
    return field;
}

}  // namespace

void writeMapCsv(std::ostream& out, const ProbabilityMap& map)
{
    out << kMapCsvHeader;
    const std::string inputs = ',' + shortestText(map.grid.base.q) + ',' + std::to_string(map.grid.base.t1x) +
                               ',' + std::to_string(map.grid.base.t1y);
    for (int level = 0; level < map.grid.levels(); ++level) {
        for (int step = 0; step < kMapSteps; ++step) {
            const ModelParameters p = map.grid.parametersAt(step, level);
            out << step << ',' << int{p.t2x} << ',' << int{p.t2y} << ','
                << shortestText(map.grid.separation(step)) << ',' << noiseText(p.noise) << ','
                << shortestText(p.threshold) << ',' << shortestText(map.at(step, level)) << inputs << '\n';
        }
    }
}

void writeLimitCsv(std::ostream& out, const ProbabilityMap& map, double p)
{
    out << kLimitCsvHeader;
    for (int level = 0; level < map.grid.levels(); ++level) {
        const std::vector<Crossing> crossings = rowCrossings(map.row(level), p, map.grid);
        const ModelParameters atLevel = map.grid.parametersAt(0, level);
        out << noiseText(atLevel.noise) << ',' << shortestText(atLevel.threshold) << ',' << crossings.size()
            << ','
            << joined(crossings,
                      [](const Crossing& c) {
                          return std::to_string(c.before) + '-' + std::to_string(c.before + 1);
                      })
            << ',' << joined(crossings, [](const Crossing& c) { return shortestText(c.step); }) << ','
            << joined(crossings, [](const Crossing& c) { return shortestText(c.separation); }) << ','
            << joined(crossings, [](const Crossing& c) { return shortestText(c.separationInQ); }) << ','
            << joined(crossings, [](const Crossing& c) { return std::string(c.rising ? "up" : "down"); })
            << '\n';
    }
}

}  // namespace brenvik
