// The WebAssembly model under Node against the golden frames and the native tool:
//   node model_check.js MODULE_DIR GOLDEN_FRAMES_CSV NATIVE_BRENVIK_CLI
// Every golden frame must match bit for bit through the whole frame and through the
// cell-only trial; the tool's trials, threshold sweep and expected probability must give
// the same values as the native brenvik-cli.

import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { MapAxis, ProbabilityMapModel } from "../../src/map_model";
import { BrenvikModel, type ExactInputs, type FrameControls, type ModuleFactory, singleBits } from "../../src/model";

const [moduleDir, goldenPath, nativeCli] = process.argv.slice(2);
if (!moduleDir || !goldenPath || !nativeCli) {
  console.error("usage: node model_check.js MODULE_DIR GOLDEN_FRAMES_CSV NATIVE_BRENVIK_CLI");
  process.exit(2);
}

let failures = 0;
function check(condition: boolean, what: string): void {
  if (!condition) {
    ++failures;
    if (failures <= 20) console.error(`FAIL ${what}`);
  }
}

function native(args: string[]): string[][] {
  // Its warnings on standard error (a width of 0) are not the subject here.
  const out = execFileSync(nativeCli, args, { encoding: "utf8", stdio: ["ignore", "pipe", "ignore"] });
  return out.trim().split("\n").slice(1).map((row) => row.split(","));
}

/** A number the native tool printed, as the single-precision value it names; a NaN as the
 *  quiet NaN of its sign, which is all the text tells. */
function singleOf(text: string): number {
  if (text === "nan" || text === "-nan") return text === "nan" ? 0x7fc00000 : 0xffc00000;
  return singleBits(Number.parseFloat(text));
}

/** std::to_chars's shortest text, written apart from the module's: the fewest significant
 *  digits that read back to the value (as single or double), in fixed or scientific
 *  notation, whichever is shorter, fixed on a tie. */
function shortestText(value: number, single: boolean): string {
  if (Number.isNaN(value)) return "nan";
  if (!Number.isFinite(value)) return value < 0 ? "-inf" : "inf";
  let scientific = value.toExponential();
  if (single)
    for (let digits = 1; digits <= 9; ++digits) {
      scientific = value.toExponential(digits - 1);
      if (Math.fround(Number(scientific)) === value) break;
    }
  const [mantissa, power] = scientific.split("e");
  const exponent = Number(power);
  const sign = mantissa.startsWith("-") ? "-" : "";
  const digits = mantissa.replace(/^-/, "").replace(".", "");
  const c = `${mantissa}e${exponent < 0 ? "-" : "+"}${String(Math.abs(exponent)).padStart(2, "0")}`;
  let fixed: string;
  if (exponent >= 0) {
    const whole = digits.slice(0, exponent + 1).padEnd(exponent + 1, "0");
    const fraction = digits.slice(exponent + 1);
    fixed = sign + whole + (fraction ? `.${fraction}` : "");
  } else {
    fixed = `${sign}0.${"0".repeat(-exponent - 1)}${digits}`;
  }
  return fixed.length <= c.length ? fixed : c;
}

async function main(): Promise<void> {
  // eslint-disable-next-line @typescript-eslint/no-require-imports
  const factory = require(resolve(moduleDir, "brenvik_model.js")) as ModuleFactory;
  const module = await factory({ wasmBinary: readFileSync(join(moduleDir, "brenvik_model.wasm")) });

  // Golden frames: q_bits,q,t1x,t1y,t2x,t2y,noise,threshold_bits,threshold,seed,peak1,peak2,cell_mean,resolved,seed_after
  let golden = 0;
  for (const [index, line] of readFileSync(goldenPath, "utf8").split("\n").entries()) {
    if (line === "" || line.startsWith("#") || line.startsWith("q_bits")) continue;
    const f = line.split(",");
    const level = Number(f[6]);
    const inputs: ExactInputs = {
      qBits: Number.parseInt(f[0], 16), thresholdBits: Number.parseInt(f[7], 16),
      t1x: Number(f[2]), t1y: Number(f[3]), t2x: Number(f[4]), t2y: Number(f[5]),
      noiseOn: level >= 0, noiseLevel: Math.max(level, 0),
    };
    for (const cellOnly of [false, true]) {
      const model = new BrenvikModel(module);
      model.evaluate(inputs, Number(f[9]), cellOnly);
      const got = [model.peak1Bits, model.peak2Bits, model.cellMeanBits, model.resolved ? 1 : 0, model.seed];
      const want = [Number.parseInt(f[10], 16), Number.parseInt(f[11], 16), Number.parseInt(f[12], 16), Number(f[13]), Number(f[14])];
      check(got.every((v, i) => v === want[i]), `golden line ${index + 1} (${cellOnly ? "cell only" : "whole frame"}): ${got} != ${want}`);
    }
    ++golden;
  }
  check(golden === 550, `550 golden frames expected, read ${golden}`);

  // The tool's trials: the same peaks, cell means, verdicts and batch texts, frame by frame.
  const cases = [
    { args: ["--t1", "-12,0", "--t2", "12,0", "--noise", "30", "--frames", "40"], t1x: -12, t1y: 0, t2x: 12, t2y: 0, noise: 30, q: "9", thr: "0.27" },
    { args: ["--t1", "-15,3", "--t2", "20,-7", "--q", "6.5", "--threshold", "0.4", "--noise", "17", "--tests", "3", "--frames", "30"], t1x: -15, t1y: 3, t2x: 20, t2y: -7, noise: 17, q: "6.5", thr: "0.4" },
    { args: ["--t1", "60,60", "--t2", "-60,-60", "--q", "0", "--frames", "6"], t1x: 60, t1y: 60, t2x: -60, t2y: -60, noise: -1, q: "0", thr: "0.27" },
  ];
  for (const c of cases) {
    const rows = native(["trials", ...c.args]);
    const model = new BrenvikModel(module);
    const batch = c.args.includes("--tests") ? c.args[c.args.indexOf("--tests") + 1] : "5";
    for (const [i, row] of rows.entries()) {
      const report = model.frame({ q: c.q, batchSize: batch, threshold: c.thr, t1x: c.t1x, t1y: c.t1y, t2x: c.t2x, t2y: c.t2y,
        noiseOn: c.noise >= 0, noiseLevel: Math.max(c.noise, 0) }, ".");
      const got = [model.peak1Bits, model.peak2Bits, model.cellMeanBits, model.resolved ? 1 : 0];
      const want = [singleOf(row[1]), singleOf(row[2]), singleOf(row[3]), Number(row[4])];
      check(report.ok && got.every((v, k) => v === want[k]), `trials ${c.args.join(" ")}, frame ${i + 1}: ${got} != ${want}`);
      check(report.ok && (report.batchCompleted ? report.batchText : "") === (row[5] ?? ""), `trials ${c.args.join(" ")}, frame ${i + 1}: batch text`);
    }
  }

  // A box that does not convert: the desktop program's message, and no trial counted.
  for (const [texts, box, message] of [
    [["", "5", "0.27"], 0, "'' is not a valid floating point value."],
    [["9", "5,5", "0.27"], 1, "'5,5' is not a valid integer value."],
    [["9", "5", "0,27"], 2, "'0,27' is not a valid floating point value."],
  ] as const) {
    const model = new BrenvikModel(module);
    const report = model.frame({ q: texts[0], batchSize: texts[1], threshold: texts[2], t1x: 0, t1y: 0, t2x: 0, t2y: 0, noiseOn: true, noiseLevel: 30 }, ".");
    check(!report.ok && report.box === box && report.message === message && model.testCount === 0 && model.seed === 0,
      `bad text ${JSON.stringify(texts)}: ${JSON.stringify(report)}`);
  }

  // The threshold a sweep writes at every step, with the tool's (step 18 gives 0.14).
  const model = new BrenvikModel(module);
  for (const row of native(["sweep", "--vary", "threshold", "--tests", "1", "--threads", "1"])) {
    const tick = model.sweepTick(Number(row[0]), { position: false, noise: false, threshold: true }, ".");
    check(singleOf(tick.threshold ?? "") === singleOf(row[4]), `sweep step ${row[0]}: threshold ${tick.threshold} != ${row[4]}`);
  }

  // A sweep's CSV as the graph saves it: the noise level and the threshold swept, batches
  // of 3 (so every row has trials at two steps). Its numbers are the shortest texts of
  // the values it names.
  {
    const model = new BrenvikModel(module);
    const vary = { position: false, noise: true, threshold: true };
    let step = 0, threshold = "0,27", level = 0, ended = false;
    for (let tick = 0; tick < 400 && !ended; ++tick) {
      const t = model.sweepTick(step, vary, ",");
      threshold = t.threshold ?? threshold;
      level = t.noiseLevel ?? level;
      step = t.step;
      if (t.plot) model.addPoint(step, 272);  // the graph's axis, which the CSV does not depend on
      ended = t.ended;
      model.frame({ q: "9", batchSize: "3", threshold, t1x: -15, t1y: 0, t2x: 15, t2y: 0, noiseOn: true, noiseLevel: level }, ",");
    }
    const rows = model.pointsCsv().trim().split("\n").slice(1).map((r) => r.split(","));
    check(ended && rows.length === 120, `the sweep ends with a row per step 2 … 121 (${rows.length})`);
    for (const r of rows) {
      for (const column of [6, 10]) {
        const value = Math.fround(Number(r[column]));
        check(r[column] === shortestText(value, true), `CSV step ${r[0]}: threshold ${r[column]} is not the shortest text of ${value}`);
      }
      const expected = Number(r[12]);
      check(r[12] === shortestText(expected, false) && expected >= 0 && expected <= 1, `CSV step ${r[0]}: p_expected ${r[12]}`);
      // The last trial alone is made at the row's step, unless that step changed nothing.
      check(r[2] === "3" && (r[11] === "1" || (r[11] === "3" && r[3] === r[7] && r[5] === r[9] && r[6] === r[10])), `CSV step ${r[0]}: a batch of 3 (${r})`);
    }
  }

  // The expected probability, digit for digit.
  for (const [t2x, level, thr] of [[15, 30, "0.27"], [9, 12, "0.1"], [30, 5, "0.5"], [0, 0, "0.27"]] as const) {
    const [row] = native(["expected", "--t1", "-15,0", "--t2", `${t2x},0`, "--noise", String(level), "--threshold", thr]);
    const p = model.expected({ qBits: singleBits(9), thresholdBits: singleBits(Number(thr)), t1x: -15, t1y: 0, t2x, t2y: 0, noiseOn: true, noiseLevel: level });
    check(p === Number.parseFloat(row[0]), `expected T2 ${t2x}, noise ${level}, threshold ${thr}: ${p} != ${row[0]}`);
  }

  // The probability map: its CSV byte for byte the native tool's, for both axes, from the
  // main window's controls (T2's sliders do not matter: T2 is the map's x axis). Values
  // handed to another map, as the page takes a worker's, give the same file, and the
  // read-out's numbers are those of the CSV's row at the point.
  const mapCases: [MapAxis, string, Partial<FrameControls>, string[]][] = [
    [MapAxis.Noise, ".", { q: "7.5", threshold: "0.31", t1x: -12, t1y: 3 }, ["--y", "noise", "--q", "7.5", "--threshold", "0.31", "--t1", "-12,3"]],
    [MapAxis.Threshold, ",", { noiseOn: true, noiseLevel: 13, t1x: -15 }, ["--y", "threshold", "--noise", "13", "--t1", "-15,0"]],
    [MapAxis.Threshold, ".", { q: "11", t1x: 4, t1y: -20 }, ["--y", "threshold", "--q", "11", "--t1", "4,-20"]],
  ];
  for (const [axis, separator, given, args] of mapCases) {
    const controls: FrameControls = { q: "9", batchSize: "5", threshold: `0${separator}27`, t1x: 0, t1y: 0, t2x: 33, t2y: -7,
      noiseOn: false, noiseLevel: 0, ...given };
    const map = new ProbabilityMapModel(module);
    const prepared = map.prepare(controls, separator, axis);
    check(prepared.ok && map.compute() === undefined && map.hasValues, `map ${args.join(" ")}: computed`);
    const csv = map.csv();
    const want = execFileSync(nativeCli, ["map", "--threads", "1", ...args], { encoding: "utf8" });
    check(csv === want, `map ${args.join(" ")}: the CSV differs from brenvik-cli's at line ${csv.split("\n").findIndex((l, i) => l !== want.split("\n")[i]) + 1}`);
    const adopted = new ProbabilityMapModel(module);
    adopted.prepare(controls, separator, axis);
    check(!adopted.hasValues, `map ${args.join(" ")}: a prepared map has no values yet`);
    adopted.adopt(map.values());
    check(adopted.csv() === csv, `map ${args.join(" ")}: adopted values give another CSV`);
    const rows = csv.trim().split("\n").slice(1).map((r) => r.split(","));
    for (const [step, level] of [[0, 0], [120, 0], [37, 5], [60, map.levels - 1], [119, map.levels - 2]]) {
      const row = rows[level * 121 + step];
      const [s, separation, , levelValue, p] = map.readout(step, level, separator).map((t) => t.replace(separator, "."));
      const level6 = axis === MapAxis.Noise ? row[4] : String(Number(Number(row[5]).toPrecision(6)));
      check(s === row[0] && Number(separation) === Number(Number(row[3]).toPrecision(4)) && levelValue === level6
        && Number(p) === Number(Number(row[6]).toPrecision(4)),
        `map ${args.join(" ")}: read-out at (${step}, ${level}) ${map.readout(step, level, separator)} for row ${row}`);
    }
  }
  {
    const map = new ProbabilityMapModel(module);
    const report = map.prepare({ q: "9", batchSize: "5", threshold: "0.2.7", t1x: 0, t1y: 0, t2x: 0, t2y: 0, noiseOn: false, noiseLevel: 0 }, ".", MapAxis.Noise);
    check(!report.ok && report.box === 2 && report.message === "'0.2.7' is not a valid floating point value.", `map of a bad threshold: ${JSON.stringify(report)}`);
  }

  console.log(`model check: ${golden} golden frames (whole frame and cell only), trials, sweep thresholds, expected, maps: ${failures === 0 ? "all equal" : `${failures} differences`}`);
  process.exit(failures === 0 ? 0 : 1);
}

main().catch((error: unknown) => {
  console.error(error);
  process.exit(1);
});
