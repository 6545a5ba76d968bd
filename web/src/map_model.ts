// The probability map in WebAssembly (web/wasm/probability_map_web.cpp), behind a typed
// interface: its grid read from the main window's controls, its values (computed here or
// in a worker's module and handed over), its colours, contours, CSV and the numbers the
// panel shows, all from the desktop program's code.

import type { BrenvikModule, FrameControls, InputBox } from "./model";

export enum MapAxis {
  Noise = 0,
  Threshold = 1,
}

export const kMapSteps = 121;

export type MapPrepareReport = { ok: true } | { ok: false; box: InputBox; message: string };

export class ProbabilityMapModel {
  private readonly map: number;

  constructor(private readonly m: BrenvikModule) {
    this.map = m._brenvik_map_create();
  }

  /** The grid for these controls: T2's steps against `axis`, the rest as a frame reads them. */
  prepare(c: FrameControls, separator: string, axis: MapAxis): MapPrepareReport {
    const texts = [c.q, c.batchSize, c.threshold].map((t) => this.allocate(t));
    try {
      const box = this.m._brenvik_map_prepare(this.map, texts[0], texts[1], texts[2], c.t1x, c.t1y, c.t2x, c.t2y,
        c.noiseOn ? 1 : 0, c.noiseLevel, separator.charCodeAt(0), axis);
      return box < 0 ? { ok: true } : { ok: false, box: box as InputBox, message: this.error() };
    } finally {
      texts.forEach((p) => this.m._free(p));
    }
  }

  get levels(): number { return this.m._brenvik_map_levels(this.map); }
  get axis(): MapAxis { return this.m._brenvik_map_axis(this.map) as MapAxis; }
  get hasValues(): boolean { return this.m._brenvik_map_has_values(this.map) !== 0; }

  /** Computes the prepared grid's values here; the reason when it cannot. */
  compute(): string | undefined {
    return this.m._brenvik_map_compute(this.map) === 0 ? undefined : this.error();
  }

  /** A copy of the values, level after level. */
  values(): Float64Array<ArrayBuffer> {
    const at = this.m._brenvik_map_values(this.map) / 8;
    return new Float64Array(this.m.HEAPF64.subarray(at, at + this.levels * kMapSteps));
  }

  /** Takes the values another module computed for the same grid. */
  adopt(values: Float64Array): void {
    if (values.length !== this.levels * kMapSteps) throw new Error(`a map of ${values.length} values for ${this.levels} levels`);
    this.m.HEAPF64.set(values, this.m._brenvik_map_values(this.map) / 8);
    this.m._brenvik_map_adopt(this.map);
  }

  /** One RGBA pixel a grid point, 121 wide, the highest level on top. */
  cells(): Uint8ClampedArray<ArrayBuffer> {
    const at = this.m._brenvik_map_cells(this.map);
    return new Uint8ClampedArray(this.m.HEAPU8.slice(at, at + this.levels * kMapSteps * 4).buffer);
  }

  /** The colour of probability p, as CSS. */
  colour(p: number): string {
    return `#${this.m._brenvik_viridis(p).toString(16).padStart(6, "0")}`;
  }

  /** The pieces of the contour of p: (x0, y0, x1, y1) each, x the step and y the level. */
  contour(p: number): Float64Array {
    const count = this.m._brenvik_map_contour(this.map, p);
    const at = this.m._brenvik_map_contour_places(this.map) / 8;
    return new Float64Array(this.m.HEAPF64.subarray(at, at + 4 * count));
  }

  /** The map as `brenvik-cli map` prints it. */
  csv(): string { return this.text(this.m._brenvik_map_csv(this.map)); }

  separationLabel(step: number, separator: string): string {
    return this.text(this.m._brenvik_map_separation_label(this.map, step, separator.charCodeAt(0)));
  }
  levelLabel(level: number, separator: string): string {
    return this.text(this.m._brenvik_map_level_label(this.map, level, separator.charCodeAt(0)));
  }
  legendLabel(p: number, separator: string): string {
    return this.text(this.m._brenvik_map_legend_label(this.map, p, separator.charCodeAt(0)));
  }

  /** The read-out's numbers at (step, level): step, |T2 − T1|, in Q, the level's value, P. */
  readout(step: number, level: number, separator: string): string[] {
    return this.text(this.m._brenvik_map_readout(this.map, step, level, separator.charCodeAt(0))).split("\t");
  }

  /** What the map holds fixed: Q, T1's x and y, the threshold or the noise level ("" for none). */
  inputs(separator: string): string[] {
    return this.text(this.m._brenvik_map_inputs(this.map, separator.charCodeAt(0))).split("\t");
  }

  private error(): string { return this.text(this.m._brenvik_map_error(this.map)); }
  private text(pointer: number): string { return this.m.UTF8ToString(pointer); }

  private allocate(text: string): number {
    const bytes = this.m.lengthBytesUTF8(text) + 1;
    const pointer = this.m._malloc(bytes);
    this.m.stringToUTF8(text, pointer, bytes);
    return pointer;
  }
}
