// The probability map's computation off the page's thread: a module of its own reads the
// grid from the same controls the page sends and computes every value, which go back
// to the page (transferred, not copied). One map at a time; the page ends the worker
// when a newer map is wanted before this one is done.

import type { ModuleFactory } from "./model";
import { type MapAxis, ProbabilityMapModel } from "./map_model";
import type { FrameControls } from "./model";

export interface MapRequest {
  controls: FrameControls;
  separator: string;
  axis: MapAxis;
}

export type MapAnswer = { values: Float64Array<ArrayBuffer>; milliseconds: number } | { failure: string };

declare function importScripts(...urls: string[]): void;
declare const createBrenvikModel: ModuleFactory;

const scope = self as unknown as { onmessage: ((event: MessageEvent<MapRequest>) => void) | null; postMessage(m: unknown, t?: Transferable[]): void };

importScripts("brenvik_model.js");
const ready = createBrenvikModel({ locateFile: (name) => name }).then((module) => new ProbabilityMapModel(module));

scope.onmessage = (event) => {
  void ready.then((map) => {
    const { controls, separator, axis } = event.data;
    const started = performance.now();
    const prepared = map.prepare(controls, separator, axis);
    if (!prepared.ok) {
      scope.postMessage({ failure: prepared.message } satisfies MapAnswer);
      return;
    }
    const failure = map.compute();
    if (failure !== undefined) {
      scope.postMessage({ failure } satisfies MapAnswer);
      return;
    }
    const values = map.values();
    scope.postMessage({ values, milliseconds: performance.now() - started } satisfies MapAnswer, [values.buffer]);
  });
};
