// The model as the browser page calls it: a plain C interface over one session (the
// program's model state, held once per page), with numbers in and numbers or C strings
// out. Every value the page shows comes from here, computed by the model's own code.
//
// Strings are UTF-8, handed in through memory the caller allocates with malloc and
// handed out as pointers that stay valid until the next call on the same session.
// Single-precision values go in and out as their bit patterns where exactness matters.

#include "cli/parse_options.h"
#include "model/batch_result.h"
#include "model/expected_probability.h"
#include "model/failure_text.h"
#include "model/frame_inputs.h"
#include "model/resolution_model.h"
#include "model/sweep_stepper.h"
#include "model/trial.h"
#include "ui/graph_geometry.h"
#include "ui/sweep_locked_controls.h"
#include "ui/sweep_points.h"
#include "view3d/camera.h"
#include "view3d/scene_frame.h"
#include "view3d/view_rotation.h"

#include <emscripten/emscripten.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brenvik {
namespace {

struct Session {
    ResolutionModel model;
    ExpectedProbability expected;
    SurfaceSamples samples;
    SceneFrame scene;
    ViewRotation rotation;  ///< the view sliders' turns, as the desktop view keeps them
    FrameResult frame;
    std::optional<BatchResult> lastBatch;
    bool batchCompleted = false;  ///< the last frame completed a batch
    std::string error;            ///< the last frame's conversion failure, with its full stop
    SweepTick tick;
    std::string tickThreshold;
    std::vector<SweepPoint> points;
    std::string text;                  ///< the last string handed out
    std::vector<int> pixels;           ///< the last graph pixels handed out
    ModelParameters presetParameters;  ///< what the last good input of a link's preset set …
    SweptParameters presetVary;        ///< … as brenvik-cli reads it
};

ModelParameters parametersFromBits(std::uint32_t qBits, std::uint32_t thresholdBits, int t1x, int t1y,
                                   int t2x, int t2y, int noiseOn, int noiseLevel)
{
    ModelParameters parameters;
    parameters.q = std::bit_cast<float>(qBits);
    parameters.threshold = std::bit_cast<float>(thresholdBits);
    parameters.t1x = static_cast<std::int8_t>(t1x);
    parameters.t1y = static_cast<std::int8_t>(t1y);
    parameters.t2x = static_cast<std::int8_t>(t2x);
    parameters.t2y = static_cast<std::int8_t>(t2y);
    parameters.noise = {noiseOn != 0, noiseLevel};
    return parameters;
}

constexpr std::int32_t kUnset = std::numeric_limits<std::int32_t>::min();

}  // namespace
}  // namespace brenvik

using brenvik::Session;

extern "C" {

EMSCRIPTEN_KEEPALIVE Session* brenvik_session_create() { return new Session; }
EMSCRIPTEN_KEEPALIVE void brenvik_session_destroy(Session* s) { delete s; }

/// One frame of the main window from the boxes' texts and the sliders, as the desktop
/// program's tick runs it. Returns -1, or the box (0 Q, 1 batch size, 2 threshold)
/// whose text did not convert; then nothing was counted and brenvik_error says why.
EMSCRIPTEN_KEEPALIVE int brenvik_frame(Session* s, const char* q, const char* batchSize,
                                       const char* threshold, int t1x, int t1y, int t2x, int t2y, int noiseOn,
                                       int noiseLevel, int separator)
{
    using namespace brenvik;
    s->batchCompleted = false;
    ModelParameters parameters;
    try {
        parameters =
            readFrameInputs({q, batchSize, threshold}, {t1x, t1y, t2x, t2y}, static_cast<char>(separator));
    } catch (const InputConversionError& failure) {
        s->error = withFullStop(failure.what());
        return static_cast<int>(failure.box());
    }
    parameters.noise = {noiseOn != 0, noiseLevel};
    const FrameOutcome outcome = s->model.runFrame(parameters, &s->samples);
    s->frame = outcome.frame;
    s->scene.set(parameters, outcome.frame, s->samples);
    if (outcome.probability) {
        s->lastBatch = batchResult(*outcome.probability, outcome.batchTrials, static_cast<char>(separator));
        s->batchCompleted = true;
    }
    return -1;
}

/// One frame from exact inputs with the generator at `seed`, through the whole frame
/// (cellOnly 0, every sample evaluated) or the trial from the midpoint cell alone.
EMSCRIPTEN_KEEPALIVE void brenvik_evaluate(Session* s, std::uint32_t qBits, std::uint32_t thresholdBits,
                                           int t1x, int t1y, int t2x, int t2y, int noiseOn, int noiseLevel,
                                           std::uint32_t seed, int cellOnly)
{
    using namespace brenvik;
    const ModelParameters parameters =
        parametersFromBits(qBits, thresholdBits, t1x, t1y, t2x, t2y, noiseOn, noiseLevel);
    s->model.noise().NoiseSeed = seed;
    const FrameOutcome outcome =
        cellOnly ? s->model.runTrial(parameters) : s->model.runFrame(parameters, &s->samples);
    s->frame = outcome.frame;
    if (!cellOnly)
        s->scene.set(parameters, outcome.frame, s->samples);
}

EMSCRIPTEN_KEEPALIVE const char* brenvik_error(Session* s) { return s->error.c_str(); }

EMSCRIPTEN_KEEPALIVE std::uint32_t brenvik_peak1_bits(Session* s)
{
    return std::bit_cast<std::uint32_t>(s->frame.peak1);
}
EMSCRIPTEN_KEEPALIVE std::uint32_t brenvik_peak2_bits(Session* s)
{
    return std::bit_cast<std::uint32_t>(s->frame.peak2);
}
EMSCRIPTEN_KEEPALIVE std::uint32_t brenvik_cell_mean_bits(Session* s)
{
    return std::bit_cast<std::uint32_t>(s->frame.cellMean);
}
EMSCRIPTEN_KEEPALIVE int brenvik_resolved(Session* s) { return s->frame.resolved ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE std::uint32_t brenvik_seed(Session* s) { return s->model.noise().NoiseSeed; }
EMSCRIPTEN_KEEPALIVE int brenvik_test_count(Session* s) { return s->model.trials().TestCount(); }
EMSCRIPTEN_KEEPALIVE int brenvik_resolved_count(Session* s) { return s->model.trials().ResolvedCount(); }

/// The midpoint cell: 0 MidX, 1 MidY, 2 CellXLo, 3 CellXHi, 4 CellYLo, 5 CellYHi.
EMSCRIPTEN_KEEPALIVE int brenvik_cell(Session* s, int which)
{
    const brenvik::MidpointCell& c = s->frame.cell;
    const std::int8_t values[] = {c.MidX, c.MidY, c.CellXLo, c.CellXHi, c.CellYLo, c.CellYHi};
    return which >= 0 && which < 6 ? values[which] : 0;
}

/// (X, height, Y) of every sample point of the last frame, 3 × 14 641 floats.
EMSCRIPTEN_KEEPALIVE const float* brenvik_surface(Session* s) { return s->scene.surface.data(); }

EMSCRIPTEN_KEEPALIVE int brenvik_batch_completed(Session* s) { return s->batchCompleted ? 1 : 0; }
/// The text the probability box shows for the latest completed batch.
EMSCRIPTEN_KEEPALIVE const char* brenvik_batch_text(Session* s)
{
    return s->lastBatch ? s->lastBatch->text.c_str() : "---";
}

/// The expected probability of one trial (NaN for a noise level the computation refuses).
EMSCRIPTEN_KEEPALIVE double brenvik_expected(Session* s, std::uint32_t qBits, std::uint32_t thresholdBits,
                                             int t1x, int t1y, int t2x, int t2y, int noiseOn, int noiseLevel)
{
    try {
        return s->expected(
            brenvik::parametersFromBits(qBits, thresholdBits, t1x, t1y, t2x, t2y, noiseOn, noiseLevel));
    } catch (const std::out_of_range&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

/// One tick of a running sweep; the tick's parts are read with brenvik_tick_*.
EMSCRIPTEN_KEEPALIVE void brenvik_sweep_tick(Session* s, int sweepStep, int position, int noise,
                                             int threshold, int separator)
{
    using namespace brenvik;
    const SweptParameters vary{position != 0, noise != 0, threshold != 0};
    s->tick = sweepTick(static_cast<std::uint8_t>(sweepStep), vary, s->model.trials().TestCount());
    s->tickThreshold = s->tick.set.thresholdHundredths
                           ? thresholdText(*s->tick.set.thresholdHundredths, static_cast<char>(separator))
                           : std::string();
}

EMSCRIPTEN_KEEPALIVE int brenvik_tick_position(Session* s)
{
    return s->tick.set.position.value_or(brenvik::kUnset);
}
EMSCRIPTEN_KEEPALIVE int brenvik_tick_noise_level(Session* s)
{
    return s->tick.set.noiseLevel.value_or(brenvik::kUnset);
}
/// The threshold text this tick writes, or "" when the threshold is not swept.
EMSCRIPTEN_KEEPALIVE const char* brenvik_tick_threshold(Session* s) { return s->tickThreshold.c_str(); }
EMSCRIPTEN_KEEPALIVE int brenvik_tick_step(Session* s) { return s->tick.step; }
EMSCRIPTEN_KEEPALIVE int brenvik_tick_plot(Session* s) { return s->tick.plot ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int brenvik_tick_ended(Session* s) { return s->tick.ended ? 1 : 0; }

/// A new sweep's graph: the points of the last one are dropped.
EMSCRIPTEN_KEEPALIVE void brenvik_points_clear(Session* s) { s->points.clear(); }

/// The graph window's axes and grid for a picture of `width` × `height`:
/// left, right, GraphBaseY, the grid's dx and dy, and the curve's start (x, y).
EMSCRIPTEN_KEEPALIVE const int* brenvik_graph_grid(Session* s, int width, int height)
{
    const brenvik::GraphGrid grid = brenvik::graphGrid(width, height);
    const brenvik::GraphPixel start = brenvik::curveStart(grid.base);
    s->pixels = {grid.left, grid.right, grid.base, grid.dx, grid.dy, start.x, start.y};
    return s->pixels.data();
}

/// The curve reaches `step` at the latest batch's level: the point is kept (a step's
/// last level replaces its earlier ones) and its pixel (x, y) returned; null before any batch.
EMSCRIPTEN_KEEPALIVE const int* brenvik_point_add(Session* s, int step, int graphBaseY)
{
    using namespace brenvik;
    if (!s->lastBatch)
        return nullptr;
    const BatchResult& batch = *s->lastBatch;
    const SweepPoint point{step, batch.shown, batch.trials, expectedShare(batch.trials, s->expected)};
    if (!s->points.empty() && s->points.back().step == step)
        s->points.back() = point;
    else
        s->points.push_back(point);
    const GraphPixel pixel = curvePixel(step, batch.shown, graphBaseY);
    s->pixels = {pixel.x, pixel.y};
    return s->pixels.data();
}

/// The kept points' expected shares as the graph draws them: the corner count, then
/// each corner's x and y.
EMSCRIPTEN_KEEPALIVE const int* brenvik_expected_staircase(Session* s, int graphBaseY)
{
    const std::vector<brenvik::GraphPixel> corners = brenvik::expectedStaircase(s->points, graphBaseY);
    s->pixels = {static_cast<int>(corners.size())};
    for (const brenvik::GraphPixel corner : corners)
        s->pixels.insert(s->pixels.end(), {corner.x, corner.y});
    return s->pixels.data();
}

/// The role names of the main window's controls a running sweep locks, comma-separated.
EMSCRIPTEN_KEEPALIVE const char* brenvik_sweep_locked_controls(Session* s)
{
    s->text.clear();
    for (const std::string_view role : brenvik::kSweepLockedControls)
        s->text.append(s->text.empty() ? "" : ",").append(role);
    return s->text.c_str();
}

/// The points as the desktop program saves them.
EMSCRIPTEN_KEEPALIVE const char* brenvik_points_csv(Session* s)
{
    s->text = brenvik::sweepCsv(s->points);
    return s->text.c_str();
}

/// The view slider for `axis` (0 X, 1 Y, 2 Z) now stands at `position` degrees.
EMSCRIPTEN_KEEPALIVE void brenvik_view_turn(Session* s, int axis, int position)
{
    s->rotation.turn(static_cast<brenvik::Axis>(axis), position);
}

/// The model-view matrix the view sliders have made: 16 doubles, column-major.
EMSCRIPTEN_KEEPALIVE const double* brenvik_view_matrix(Session* s) { return s->rotation.matrix().data(); }

/// The view's camera, projection and eye in one: 16 doubles, column-major.
EMSCRIPTEN_KEEPALIVE const double* brenvik_camera() { return brenvik::kCameraProjection.data(); }

/// One input of a link's preset, `name` (without "--") with its value, read as brenvik-cli
/// reads that option (--vary as `sweep` takes it, the rest as `trials` does). Returns 1 and
/// keeps what it sets for brenvik_preset_field, or 0 with brenvik-cli's message in
/// brenvik_error.
EMSCRIPTEN_KEEPALIVE int brenvik_preset_check(Session* s, const char* name, const char* value)
{
    using namespace brenvik;
    const std::string_view option(name);
    // The value goes in after "=", so that one beginning with "--" is still a value.
    const std::string argument = "--" + std::string(option) + "=" + value;
    const std::string_view arguments[] = {option == "vary" ? "sweep" : "trials", argument};
    try {
        const cli::Options options = cli::parseOptions(arguments);
        s->presetParameters = options.parameters;
        s->presetVary = options.vary;
    } catch (const cli::UsageError& refusal) {
        s->error = refusal.what();
        return 0;
    }
    return 1;
}

/// What the last good preset input set: 0 T1's X, 1 T1's Y, 2 T2's X, 3 T2's Y, 4 noise on,
/// 5 the noise level, 6 7 8 whether a sweep varies the position, the noise, the threshold.
EMSCRIPTEN_KEEPALIVE int brenvik_preset_field(Session* s, int which)
{
    const brenvik::ModelParameters& p = s->presetParameters;
    const brenvik::SweptParameters& vary = s->presetVary;
    const int values[] = {p.t1x,         p.t1y,         p.t2x,      p.t2y,         p.noise.enabled ? 1 : 0,
                          p.noise.level, vary.position, vary.noise, vary.threshold};
    return which >= 0 && which < 9 ? values[which] : 0;
}

}  // extern "C"
