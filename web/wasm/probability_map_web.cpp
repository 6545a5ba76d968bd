// The probability map as the browser page calls it: a C interface over one map (its grid
// and, once computed, its values), apart from the main window's session so that a Web
// Worker computes a map while the page's own module runs the ticks. Both read the grid
// from the same texts; the worker hands its values to the page's map, which draws them.
// The values, the colours, the contours, the CSV and every number shown are the
// desktop program's own code.
//
// Strings go in and out as in brenvik_web.cpp: UTF-8, handed out as pointers that stay
// valid until the next call on the same map.

#include "model/failure_text.h"
#include "model/frame_inputs.h"
#include "model/probability_map.h"
#include "model/probability_map_csv.h"
#include "ui/map/map_contour_pieces.h"
#include "ui/map/viridis_scale.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace brenvik {
namespace {

struct MapSession {
    MapGrid grid;
    ProbabilityMap map;  ///< its values are 0 until computed or adopted
    bool hasValues = false;
    std::vector<std::uint8_t> cells;
    std::vector<double> pieces;
    std::string text;
};

/// The value as QString::number(value, 'g', significant) writes it, with `separator`.
std::string numberText(double value, int significant, char separator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", significant, value);
    std::string text(buffer);
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

/// The same as QString::number(value, 'f', decimals) writes it.
std::string fixedText(double value, int decimals, char separator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

const char* handOut(MapSession* m, std::string text)
{
    m->text = std::move(text);
    return m->text.c_str();
}

}  // namespace
}  // namespace brenvik

using brenvik::MapSession;

extern "C" {

EMSCRIPTEN_KEEPALIVE MapSession* brenvik_map_create() { return new MapSession; }
EMSCRIPTEN_KEEPALIVE void brenvik_map_destroy(MapSession* m) { delete m; }

/// The grid of a map over T2's steps against the noise level (axis 0) or the threshold
/// (axis 1), every other input read from the main window's boxes and controls as a
/// frame reads them. Returns -1, or the box (0 Q, 1 batch size, 2 threshold) whose text
/// did not convert; then the last grid stays and brenvik_map_error says why.
EMSCRIPTEN_KEEPALIVE int brenvik_map_prepare(MapSession* m, const char* q, const char* batchSize,
                                             const char* threshold, int t1x, int t1y, int t2x, int t2y,
                                             int noiseOn, int noiseLevel, int separator, int axis)
{
    using namespace brenvik;
    MapGrid grid;
    try {
        grid.base =
            readFrameInputs({q, batchSize, threshold}, {t1x, t1y, t2x, t2y}, static_cast<char>(separator));
    } catch (const InputConversionError& failure) {
        m->text = withFullStop(failure.what());
        return static_cast<int>(failure.box());
    }
    grid.base.noise = {noiseOn != 0, noiseLevel};
    grid.axis = axis == 1 ? MapAxis::threshold : MapAxis::noise;
    m->grid = grid;
    m->map = ProbabilityMap{grid, std::vector<double>(static_cast<std::size_t>(grid.levels()) * kMapSteps)};
    m->hasValues = false;
    return -1;
}

/// Why the last call failed.
EMSCRIPTEN_KEEPALIVE const char* brenvik_map_error(MapSession* m) { return m->text.c_str(); }

EMSCRIPTEN_KEEPALIVE int brenvik_map_levels(MapSession* m) { return m->grid.levels(); }
EMSCRIPTEN_KEEPALIVE int brenvik_map_axis(MapSession* m)
{
    return m->grid.axis == brenvik::MapAxis::threshold;
}

/// Computes every value of the prepared grid; 0, or 1 when the map cannot be had (the
/// reason in brenvik_map_error).
EMSCRIPTEN_KEEPALIVE int brenvik_map_compute(MapSession* m)
{
    try {
        m->map = *brenvik::computeProbabilityMap(m->grid, 1);  // nothing cancels it
    } catch (const std::out_of_range& failure) {
        m->text = failure.what();
        return 1;
    }
    m->hasValues = true;
    return 0;
}

/// The values, level after level (levels × 121 doubles): written by brenvik_map_compute,
/// or by the page with a worker's values before brenvik_map_adopt.
EMSCRIPTEN_KEEPALIVE double* brenvik_map_values(MapSession* m) { return m->map.p.data(); }
EMSCRIPTEN_KEEPALIVE void brenvik_map_adopt(MapSession* m) { m->hasValues = true; }
EMSCRIPTEN_KEEPALIVE int brenvik_map_has_values(MapSession* m) { return m->hasValues ? 1 : 0; }

/// The map's cells as RGBA, one pixel a grid point, 121 wide, the highest level on top.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* brenvik_map_cells(MapSession* m)
{
    const int levels = m->grid.levels();
    m->cells.assign(static_cast<std::size_t>(levels) * brenvik::kMapSteps * 4, 255);
    for (int level = 0; level < levels; ++level)
        for (int step = 0; step < brenvik::kMapSteps; ++step) {
            const brenvik::Rgb c = brenvik::viridisRgb(m->map.at(step, level));
            const std::size_t at =
                (static_cast<std::size_t>(levels - 1 - level) * brenvik::kMapSteps + step) * 4;
            m->cells[at] = c.red;
            m->cells[at + 1] = c.green;
            m->cells[at + 2] = c.blue;
        }
    return m->cells.data();
}

/// The colour of probability p, as 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int brenvik_viridis(double p)
{
    const brenvik::Rgb c = brenvik::viridisRgb(p);
    return (c.red << 16) | (c.green << 8) | c.blue;
}

/// The pieces of the contour of p: returns their number; brenvik_map_contour_places
/// gives (x0, y0, x1, y1) each, in grid coordinates (x the step, y the level).
EMSCRIPTEN_KEEPALIVE int brenvik_map_contour(MapSession* m, double p)
{
    m->pieces.clear();
    for (const brenvik::ContourPiece& piece : brenvik::contourPieces(m->map, p))
        m->pieces.insert(m->pieces.end(), {piece.from.x, piece.from.y, piece.to.x, piece.to.y});
    return static_cast<int>(m->pieces.size() / 4);
}
EMSCRIPTEN_KEEPALIVE const double* brenvik_map_contour_places(MapSession* m) { return m->pieces.data(); }

/// The map as `brenvik-cli map` prints it.
EMSCRIPTEN_KEEPALIVE const char* brenvik_map_csv(MapSession* m)
{
    std::ostringstream csv;
    brenvik::writeMapCsv(csv, m->map);
    return handOut(m, csv.str());
}

/// The separation |T2 − T1| at `step`, to one decimal: the label above the step.
EMSCRIPTEN_KEEPALIVE const char* brenvik_map_separation_label(MapSession* m, int step, int separator)
{
    return handOut(m, brenvik::fixedText(m->grid.separation(step), 1, static_cast<char>(separator)));
}

/// The label of a level at the left: the noise level, or the threshold to one decimal
/// on the tenths and to two between them.
EMSCRIPTEN_KEEPALIVE const char* brenvik_map_level_label(MapSession* m, int level, int separator)
{
    if (m->grid.axis == brenvik::MapAxis::noise || level == 0)
        return handOut(m, std::to_string(level));
    return handOut(m,
                   brenvik::fixedText(level / 100.0, level % 10 == 0 ? 1 : 2, static_cast<char>(separator)));
}

/// The number of a legend's mark: 0 and 1 as they are, others to one decimal.
EMSCRIPTEN_KEEPALIVE const char* brenvik_map_legend_label(MapSession* m, double p, int separator)
{
    if (p == 0.0 || p == 1.0)
        return handOut(m, p == 0.0 ? "0" : "1");
    return handOut(m, brenvik::fixedText(p, 1, static_cast<char>(separator)));
}

/// The read-out's numbers for grid point (step, level), tab-separated: the step,
/// |T2 − T1| (4 significant digits), the same in units of Q (3), the noise level or the
/// threshold (6), and P (4), or "…" while the map has no values.
EMSCRIPTEN_KEEPALIVE const char* brenvik_map_readout(MapSession* m, int step, int level, int separator)
{
    using brenvik::numberText;
    const char s = static_cast<char>(separator);
    const std::string levelText = m->grid.axis == brenvik::MapAxis::noise
                                      ? std::to_string(level)
                                      : numberText(m->grid.parametersAt(0, level).threshold, 6, s);
    return handOut(m, std::to_string(step) + '\t' + numberText(m->grid.separation(step), 4, s) + '\t' +
                          numberText(m->grid.separationInQ(step), 3, s) + '\t' + levelText + '\t' +
                          (m->hasValues ? numberText(m->map.at(step, level), 4, s) : "…"));
}

/// What the map holds fixed, tab-separated: Q (6 significant digits), T1's x and y, and
/// for a noise map the threshold (6), for a threshold map the noise level, or "" when
/// the noise is off.
EMSCRIPTEN_KEEPALIVE const char* brenvik_map_inputs(MapSession* m, int separator)
{
    using brenvik::numberText;
    const char s = static_cast<char>(separator);
    const brenvik::ModelParameters& base = m->grid.base;
    const std::string fixed = m->grid.axis == brenvik::MapAxis::noise ? numberText(base.threshold, 6, s)
                              : base.noise.enabled                    ? std::to_string(base.noise.level)
                                                                      : std::string();
    return handOut(m, numberText(base.q, 6, s) + '\t' + std::to_string(base.t1x) + '\t' +
                          std::to_string(base.t1y) + '\t' + fixed);
}

}  // extern "C"
