// The probability map: the noise map (121 steps × 31 noise levels, the threshold 0.27)
// and the threshold map (121 steps × 100 thresholds, noise at level 30), on one thread
// and on two. A noise map's every row has a new level, so each row computes its
// noise-sum distribution once; a threshold map's rows all keep the level.

#include "model/fp_environment.h"
#include "model/probability_map.h"

#include <benchmark/benchmark.h>

using namespace brenvik;

namespace {

void mapBenchmark(benchmark::State& state, MapAxis axis)
{
    setModelFloatingPointEnvironment();
    MapGrid grid;
    grid.axis = axis;
    grid.base.t1x = -10;
    grid.base.noise = {true, 30};
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(computeProbabilityMap(grid, threads));
}

void BM_NoiseMap(benchmark::State& state) { mapBenchmark(state, MapAxis::noise); }
void BM_ThresholdMap(benchmark::State& state) { mapBenchmark(state, MapAxis::threshold); }

BENCHMARK(BM_NoiseMap)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThresholdMap)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
