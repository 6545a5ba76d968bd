// The model's frame benchmark in WebAssembly, for Node: the loop of bench_model's
// "one frame, noise on at level 30" (the same sources, every sample kept, the
// point-spread table warm), timed from JavaScript around brenvik_benchmark_frames.

#include "model/frame.h"

#include <emscripten/emscripten.h>

extern "C" {

/// `count` frames with noise at level 30; returns the last verdict so that none is left out.
EMSCRIPTEN_KEEPALIVE int brenvik_benchmark_frames(int count)
{
    using namespace brenvik;
    static FrameEvaluator evaluator;
    static NoiseGenerator generator;
    static SurfaceSamples samples;
    ModelParameters in;
    in.t1x = -12;
    in.t1y = 4;
    in.t2x = 14;
    in.t2y = -6;
    in.noise = {true, 30};
    bool resolved = false;
    for (int i = 0; i < count; ++i)
        resolved = evaluator.evaluate(in, generator, &samples).resolved;
    return resolved ? 1 : 0;
}
}
