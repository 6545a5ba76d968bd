// One frame with white noise at level 30 in WebAssembly under Node: bench_model's
// "one frame, noise on at level 30" loop compiled to WebAssembly (web/wasm/frame_benchmark.cpp).
//   node frame_bench.js WASM_BUILD_DIR [SECONDS]
// Prints the median of 15 runs of the time per frame, by the clock and in processor time
// (which moves less on a busy machine).

import { resolve } from "node:path";

type Factory = () => Promise<{ _brenvik_benchmark_frames(count: number): number }>;

async function main(): Promise<void> {
  const [buildDir, seconds = "3"] = process.argv.slice(2);
  // eslint-disable-next-line @typescript-eslint/no-require-imports
  const factory = require(resolve(buildDir, "brenvik_frame_benchmark.js")) as Factory;
  const module = await factory();
  module._brenvik_benchmark_frames(50);
  const runs: number[] = [];
  const cpuRuns: number[] = [];
  const budget = (Number(seconds) * 1000) / 15;
  for (let run = 0; run < 15; ++run) {
    let count = 0;
    const start = performance.now();
    const cpuStart = process.cpuUsage();
    while (performance.now() - start < budget) {
      module._brenvik_benchmark_frames(10);
      count += 10;
    }
    runs.push(((performance.now() - start) * 1000) / count);
    const cpu = process.cpuUsage(cpuStart);
    cpuRuns.push((cpu.user + cpu.system) / count);
  }
  runs.sort((a, b) => a - b);
  cpuRuns.sort((a, b) => a - b);
  console.log(`one frame, noise on at level 30, WebAssembly under Node ${process.version}: median ${runs[7].toFixed(1)} µs `
    + `(15 runs, ${runs[0].toFixed(1)}–${runs[14].toFixed(1)}), processor time ${cpuRuns[7].toFixed(1)} µs`);
}

void main();
