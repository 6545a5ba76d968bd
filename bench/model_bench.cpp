// One frame's evaluation: from the table of point-spread values with noise off and with
// noise on at level 30, and the literal evaluation that computes every SourceIntensity
// anew. The table is warm after the first frame, as it is while the user watches.
// One trial from the midpoint cell alone against the frame at noise level 30. Also a
// whole sweep of 121 steps with 5 trials each, as `brenvik-cli sweep` runs it, one with a
// million trials per step on every core, and the expected probability of one step at
// noise level 30.

#include "model/expected_probability.h"
#include "model/fp_environment.h"
#include "model/frame.h"
#include "model/sweep_experiment.h"
#include "model/trial.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <thread>

using namespace brenvik;

namespace {

ModelParameters separatedSources()
{
    ModelParameters in;
    in.t1x = -12;
    in.t1y = 4;
    in.t2x = 14;
    in.t2y = -6;
    return in;
}

void frameBenchmark(benchmark::State& state, NoiseSettings noise, bool literal)
{
    setModelFloatingPointEnvironment();
    ModelParameters in = separatedSources();
    in.noise = noise;
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    SurfaceSamples samples;
    for (auto _ : state) {
        const FrameResult r = literal ? evaluateFrameLiteral(in, generator, &samples)
                                      : evaluator.evaluate(in, generator, &samples);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(samples.data());
    }
    state.SetItemsProcessed(state.iterations() * kSampleCount);
}

void BM_FrameNoiseOff(benchmark::State& state) { frameBenchmark(state, NoiseSettings{false, 0}, false); }
void BM_FrameNoiseOn30(benchmark::State& state) { frameBenchmark(state, NoiseSettings{true, 30}, false); }
void BM_FrameLiteralNoiseOn30(benchmark::State& state)
{
    frameBenchmark(state, NoiseSettings{true, 30}, true);
}

// The same trial from the midpoint cell alone, jumping over the other samples' draws.
void BM_TrialNoiseOn30(benchmark::State& state)
{
    setModelFloatingPointEnvironment();
    ModelParameters in = separatedSources();
    in.noise = {true, 30};
    NoiseGenerator generator;
    TrialEvaluator evaluator;
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluator.evaluate(in, generator));
}

void BM_FrameNewWidthEveryFrame(benchmark::State& state)
{
    // The worst case: the width changes on every frame, so the table starts cold each time.
    setModelFloatingPointEnvironment();
    ModelParameters in = separatedSources();
    in.noise = {true, 30};
    NoiseGenerator generator;
    FrameEvaluator evaluator;
    float q = 9.0f;
    for (auto _ : state) {
        q = q == 9.0f ? 9.5f : 9.0f;
        in.q = q;
        benchmark::DoNotOptimize(evaluator.evaluate(in, generator));
    }
}

void BM_SweepFiveTrialsPerStep(benchmark::State& state)
{
    setModelFloatingPointEnvironment();
    SweepSettings settings;
    settings.vary = {true, true, true};
    for (auto _ : state) {
        long long resolved = 0;
        runSweep(settings, [&](const SweepStepResult& r) { resolved += r.resolved; });
        benchmark::DoNotOptimize(resolved);
    }
}

void BM_ExpectedStepLevel30(benchmark::State& state)
{
    // A sweep's step at its dearest: the position and the level change every time (and
    // never come back within the two results kept), so the noiseless values and the
    // distribution of the cell's noise are computed anew.
    setModelFloatingPointEnvironment();
    ModelParameters in = separatedSources();
    ExpectedProbability expected;
    int i = 0;
    for (auto _ : state) {
        ++i;
        in.t2x = static_cast<std::int8_t>(14 + i % 3);
        in.noise = {true, i % 2 == 0 ? 30 : 29};
        benchmark::DoNotOptimize(expected(in));
    }
}

void BM_ExpectedOneOffLevel30(benchmark::State& state)
{
    // Nothing kept from before: the point-spread values are computed too.
    setModelFloatingPointEnvironment();
    ModelParameters in = separatedSources();
    in.noise = {true, 30};
    for (auto _ : state)
        benchmark::DoNotOptimize(expectedProbability(in));
}

// The sweep of `brenvik-cli sweep --vary position,noise,threshold --tests 1000000`,
// on every core.
void BM_SweepMillionTrialsPerStep(benchmark::State& state)
{
    setModelFloatingPointEnvironment();
    SweepSettings settings;
    settings.vary = {true, true, true};
    settings.trialsPerStep = 1'000'000;
    settings.threads = std::max(1u, std::thread::hardware_concurrency());
    for (auto _ : state) {
        long long resolved = 0;
        runSweep(settings, [&](const SweepStepResult& r) { resolved += r.resolved; });
        benchmark::DoNotOptimize(resolved);
    }
    state.counters["threads"] = settings.threads;
}

}  // namespace

BENCHMARK(BM_FrameNoiseOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameNoiseOn30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameLiteralNoiseOn30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrialNoiseOn30)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_FrameNewWidthEveryFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SweepFiveTrialsPerStep)->Unit(benchmark::kMillisecond);
// About a minute a run: one iteration, timed by the wall clock since it runs on every core.
BENCHMARK(BM_SweepMillionTrialsPerStep)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ExpectedStepLevel30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExpectedOneOffLevel30)->Unit(benchmark::kMicrosecond);
