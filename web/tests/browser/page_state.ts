// What the page offers its tests and benchmark on `window.brenvik` (web/src/main.ts).
export interface PageState {
  ticks: number;
  tickTimes: number[];
  sweep: { active: boolean; step: number };
  tick(): void;
  stopTimer(): void;
  model: { testCount: number; pointsCsv(): string };
  about: { playing: boolean };
  map: { shown: number; computing: boolean; lastMilliseconds: number; lastWorkerMilliseconds: number; colourOf(p: number): string };
}

declare global {
  interface Window {
    brenvik?: PageState;
  }
}
