// The model compiled to WebAssembly (web/wasm/brenvik_web.cpp), behind a typed interface.
// Every number the page shows is the model's own: this file only moves values across.

/** What the Emscripten module offers: the C functions and the memory views. */
export interface BrenvikModule {
  HEAPU8: Uint8Array;
  HEAP32: Int32Array;
  HEAPF32: Float32Array;
  HEAPF64: Float64Array;
  UTF8ToString(pointer: number): string;
  stringToUTF8(text: string, pointer: number, maxBytes: number): void;
  lengthBytesUTF8(text: string): number;
  _malloc(bytes: number): number;
  _free(pointer: number): void;
  [name: `_brenvik_${string}`]: (...args: number[]) => number;
}

export type ModuleFactory = (options?: { wasmBinary?: Uint8Array; locateFile?: (name: string) => string }) => Promise<BrenvikModule>;

/** A pixel of the graph's picture. */
export interface GraphPixel { x: number; y: number }

/** The graph's axes (x = left, y = base from left to right), grid spacing and the curve's first point. */
export interface GraphGrid { left: number; right: number; base: number; dx: number; dy: number; start: GraphPixel }

/** A 4 × 4 matrix as WebGL loads it: column-major. */
export type Matrix4 = Float64Array;

/** The axis a view slider turns the model about. */
export const enum Axis { X, Y, Z }

/** The box whose text a frame could not convert. */
export enum InputBox {
  Q = 0,
  BatchSize = 1,
  Threshold = 2,
}

export interface FrameInputTexts {
  q: string;
  batchSize: string;
  threshold: string;
}

/** The two sources' positions and the noise, as the sliders and the check box set them. */
export interface SourcesAndNoise {
  t1x: number;
  t1y: number;
  t2x: number;
  t2y: number;
  noiseOn: boolean;
  noiseLevel: number;
}

export interface FrameControls extends FrameInputTexts, SourcesAndNoise {}

export type FrameReport =
  | { ok: true; batchCompleted: boolean; batchText: string }
  | { ok: false; box: InputBox; message: string };

export interface MidpointCell {
  MidX: number;
  MidY: number;
  CellXLo: number;
  CellXHi: number;
  CellYLo: number;
  CellYHi: number;
}

/** Exact inputs of one frame: Q and the threshold as single-precision bit patterns. */
export interface ExactInputs extends SourcesAndNoise {
  qBits: number;
  thresholdBits: number;
}

export interface SweepTick {
  /** Both coordinates of T2, when the position is swept. */
  position?: number;
  /** The noise level, when it is swept (the noise is then on). */
  noiseLevel?: number;
  /** The threshold's text, when it is swept. */
  threshold?: string;
  step: number;
  plot: boolean;
  ended: boolean;
}

export interface SweptParameters {
  position: boolean;
  noise: boolean;
  threshold: boolean;
}

/** What a preset's input may set: the sources, the noise, what a sweep varies. */
export interface PresetFields extends SourcesAndNoise {
  vary: SweptParameters;
}

const kUnset = -2147483648;

/** Single precision's bit pattern of a number (rounded to single first). */
export function singleBits(value: number): number {
  const view = new DataView(new ArrayBuffer(4));
  view.setFloat32(0, value);
  return view.getUint32(0);
}

export function singleFromBits(bits: number): number {
  const view = new DataView(new ArrayBuffer(4));
  view.setUint32(0, bits >>> 0);
  return view.getFloat32(0);
}

/** One model session: the generator, the batch under way, the sweep's points. */
export class BrenvikModel {
  private readonly session: number;

  constructor(private readonly m: BrenvikModule) {
    this.session = m._brenvik_session_create();
  }

  /** The module the session runs in, for the map that shares it. */
  get module(): BrenvikModule {
    return this.m;
  }

  /** One frame of the main window, as its 35 ms tick runs it. */
  frame(c: FrameControls, separator: string): FrameReport {
    const texts = [c.q, c.batchSize, c.threshold].map((t) => this.allocate(t));
    try {
      const box = this.m._brenvik_frame(this.session, texts[0], texts[1], texts[2], c.t1x, c.t1y, c.t2x, c.t2y,
        c.noiseOn ? 1 : 0, c.noiseLevel, separator.charCodeAt(0));
      if (box >= 0) return { ok: false, box: box as InputBox, message: this.m.UTF8ToString(this.m._brenvik_error(this.session)) };
      return { ok: true, batchCompleted: this.m._brenvik_batch_completed(this.session) !== 0, batchText: this.batchText() };
    } finally {
      texts.forEach((p) => this.m._free(p));
    }
  }

  /** One frame from exact inputs with the generator at `seed`; the whole frame or the cell-only trial. */
  evaluate(i: ExactInputs, seed: number, cellOnly: boolean): void {
    this.m._brenvik_evaluate(this.session, i.qBits, i.thresholdBits, i.t1x, i.t1y, i.t2x, i.t2y, i.noiseOn ? 1 : 0,
      i.noiseLevel, seed >>> 0, cellOnly ? 1 : 0);
  }

  get peak1Bits(): number { return this.m._brenvik_peak1_bits(this.session) >>> 0; }
  get peak2Bits(): number { return this.m._brenvik_peak2_bits(this.session) >>> 0; }
  get cellMeanBits(): number { return this.m._brenvik_cell_mean_bits(this.session) >>> 0; }
  get resolved(): boolean { return this.m._brenvik_resolved(this.session) !== 0; }
  get seed(): number { return this.m._brenvik_seed(this.session) >>> 0; }
  get testCount(): number { return this.m._brenvik_test_count(this.session); }

  get cell(): MidpointCell {
    const at = (i: number) => this.m._brenvik_cell(this.session, i);
    return { MidX: at(0), MidY: at(1), CellXLo: at(2), CellXHi: at(3), CellYLo: at(4), CellYHi: at(5) };
  }

  /** (X, height, Y) of the last frame's 14 641 sample points; a view onto the module's memory. */
  surface(): Float32Array {
    const pointer = this.m._brenvik_surface(this.session);
    return this.m.HEAPF32.subarray(pointer / 4, pointer / 4 + 3 * 14641);
  }

  /** What the probability box shows: "---" until a batch completes. */
  batchText(): string { return this.m.UTF8ToString(this.m._brenvik_batch_text(this.session)); }

  /** The exact probability that one trial with these inputs is resolved. */
  expected(i: ExactInputs): number {
    return this.m._brenvik_expected(this.session, i.qBits, i.thresholdBits, i.t1x, i.t1y, i.t2x, i.t2y,
      i.noiseOn ? 1 : 0, i.noiseLevel);
  }

  /** One tick of a running sweep at step `sweepStep`. */
  sweepTick(sweepStep: number, vary: SweptParameters, separator: string): SweepTick {
    this.m._brenvik_sweep_tick(this.session, sweepStep, vary.position ? 1 : 0, vary.noise ? 1 : 0,
      vary.threshold ? 1 : 0, separator.charCodeAt(0));
    const position = this.m._brenvik_tick_position(this.session);
    const noiseLevel = this.m._brenvik_tick_noise_level(this.session);
    const threshold = this.m.UTF8ToString(this.m._brenvik_tick_threshold(this.session));
    return {
      position: position === kUnset ? undefined : position,
      noiseLevel: noiseLevel === kUnset ? undefined : noiseLevel,
      threshold: vary.threshold ? threshold : undefined,
      step: this.m._brenvik_tick_step(this.session),
      plot: this.m._brenvik_tick_plot(this.session) !== 0,
      ended: this.m._brenvik_tick_ended(this.session) !== 0,
    };
  }

  clearPoints(): void { this.m._brenvik_points_clear(this.session); }

  /** The graph's axes and grid for a picture of this size, as the desktop graph window draws them. */
  graphGrid(width: number, height: number): GraphGrid {
    const [left, right, base, dx, dy, startX, startY] = this.ints(this.m._brenvik_graph_grid(this.session, width, height), 7);
    return { left, right, base, dx, dy, start: { x: startX, y: startY } };
  }

  /** Keeps the point of `step` at the latest batch's level; the curve's pixel for it (none before any batch). */
  addPoint(step: number, graphBaseY: number): GraphPixel | undefined {
    const at = this.m._brenvik_point_add(this.session, step, graphBaseY);
    if (at === 0) return undefined;
    const [x, y] = this.ints(at, 2);
    return { x, y };
  }

  /** The kept points' expected shares as the graph's staircase of corners. */
  expectedStaircase(graphBaseY: number): GraphPixel[] {
    const at = this.m._brenvik_expected_staircase(this.session, graphBaseY);
    const corners = this.ints(at + 4, 2 * this.ints(at, 1)[0]);
    return Array.from({ length: corners.length / 2 }, (_, i) => ({ x: corners[2 * i], y: corners[2 * i + 1] }));
  }

  /** The role names of the main window's controls that a running sweep locks. */
  sweepLockedControls(): string[] {
    return this.m.UTF8ToString(this.m._brenvik_sweep_locked_controls(this.session)).split(",");
  }

  /** The kept points as the desktop program's CSV file. */
  pointsCsv(): string { return this.m.UTF8ToString(this.m._brenvik_points_csv(this.session)); }

  /** The view slider for `axis` now stands at `position` degrees: the model turns by the difference, about its own axis. */
  turnView(axis: Axis, position: number): void {
    this.m._brenvik_view_turn(this.session, axis, position);
  }

  /** The model's orientation as the view sliders have turned it. */
  get viewMatrix(): Matrix4 {
    return this.matrixAt(this.m._brenvik_view_matrix(this.session));
  }

  /** The view's camera: its parallel projection and the eye, in one matrix. */
  get camera(): Matrix4 {
    return this.matrixAt(this.m._brenvik_camera());
  }

  private ints(pointer: number, count: number): Int32Array {
    return this.m.HEAP32.slice(pointer / 4, pointer / 4 + count);
  }

  private matrixAt(pointer: number): Matrix4 {
    return this.m.HEAPF64.slice(pointer / 8, pointer / 8 + 16);
  }

  /** One input of a link's preset (`t1`, `noise` …) read as brenvik-cli reads that option:
   *  what it sets (the preset's fields), or brenvik-cli's message. */
  checkPreset(name: string, value: string): { ok: true; fields: PresetFields } | { ok: false; message: string } {
    const texts = [name, value].map((t) => this.allocate(t));
    try {
      if (this.m._brenvik_preset_check(this.session, texts[0], texts[1]) === 0)
        return { ok: false, message: this.m.UTF8ToString(this.m._brenvik_error(this.session)) };
    } finally {
      texts.forEach((p) => this.m._free(p));
    }
    const [t1x, t1y, t2x, t2y, noiseOn, noiseLevel, position, noise, threshold] =
      Array.from({ length: 9 }, (_, i) => this.m._brenvik_preset_field(this.session, i));
    return {
      ok: true,
      fields: { t1x, t1y, t2x, t2y, noiseOn: noiseOn !== 0, noiseLevel, vary: { position: position !== 0, noise: noise !== 0, threshold: threshold !== 0 } },
    };
  }

  private allocate(text: string): number {
    const bytes = this.m.lengthBytesUTF8(text) + 1;
    const pointer = this.m._malloc(bytes);
    this.m.stringToUTF8(text, pointer, bytes);
    return pointer;
  }
}
