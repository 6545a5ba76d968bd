// The probability map panel, the desktop program's map window on the page: the exact
// probability of resolution over T2's steps against the noise level or the threshold
// for the main window's other inputs, computed in a Web Worker so that the ticks go on,
// drawn with the desktop's layout (cells, axes, legend, the 0.5 and 0.9 contours), the
// value under the pointer, and PNG and CSV downloads. Colours, contours, numbers and
// the CSV come from the model (map_model.ts); only the placing is done here.

import { download } from "./files";
import { arg, tr } from "./i18n";
import { kMapSteps, MapAxis, ProbabilityMapModel } from "./map_model";
import type { MapAnswer, MapRequest } from "./map_worker";
import type { BrenvikModule, FrameControls, InputBox } from "./model";

// Room around the cells for the axes' numbers and titles and for the legend, as in the
// desktop's map view.
const kLeft = 64, kRight = 100, kTop = 46, kBottom = 46;
const kLegendGap = 18, kLegendWidth = 16, kTick = 4;
const kHalfContour = "#ffffff", kNinetyContour = "#000000";
const kFont = "12px Arial, 'Liberation Sans', sans-serif";
const kLine = 15;

interface Rect { left: number; top: number; width: number; height: number }

/** The cell (of `cells` along an axis of `pixels`) that a pixel of the plot shows and reads:
 *  one rule for both, as in the desktop's map view, so the read-out names the cell under the
 *  pointer even on a cell's edge (a browser's scaling picks cells by pixel centres). */
function cellOfPixel(pixel: number, pixels: number, cells: number): number {
  return Math.floor((pixel * cells) / pixels);
}

export interface MapPanelElements {
  panel: HTMLElement;
  axis: HTMLSelectElement;
  progress: HTMLElement;
  savePng: HTMLButtonElement;
  saveCsv: HTMLButtonElement;
  inputs: HTMLElement;
  canvas: HTMLCanvasElement;
  readout: HTMLElement;
  status: HTMLElement;
}

export class MapPanel {
  private readonly map: ProbabilityMapModel;
  private worker: Worker | undefined;
  private busy = false;
  private controls: FrameControls | undefined;
  /** Maps shown since the page started, and the last one's time from request to picture. */
  shown = 0;
  lastMilliseconds = 0;
  /** The worker's own time for the last map. */
  lastWorkerMilliseconds = 0;

  constructor(module: BrenvikModule, private readonly e: MapPanelElements, private readonly separator: string,
    private readonly reportInputFailure: (failure: { box: InputBox; message: string }) => void) {
    this.map = new ProbabilityMapModel(module);
    e.axis.addEventListener("change", () => { if (this.controls) this.compute(this.controls); });
    e.savePng.addEventListener("click", () => this.e.canvas.toBlob((blob) => blob && download("Map.png", blob), "image/png"));
    e.saveCsv.addEventListener("click", () => download("Map.csv", new Blob([this.csv()], { type: "text/csv" })));
    e.canvas.addEventListener("pointermove", (event) => this.showReadOut(event));
    e.canvas.addEventListener("pointerleave", () => { e.readout.textContent = tr("Наведите указатель на карту"); });
    e.readout.textContent = tr("Наведите указатель на карту");
  }

  get computing(): boolean { return this.busy; }

  /** The colour of probability p on the map, as #rrggbb. */
  colourOf(p: number): string { return this.map.colour(p); }

  /** The map's values as `brenvik-cli map` prints them. */
  csv(): string { return this.map.csv(); }

  /** Shows the panel for the main window's controls as they are, and computes the map anew. */
  showFor(controls: FrameControls): void {
    if (this.compute(controls)) this.e.panel.hidden = false;
  }

  hide(): void {
    this.e.panel.hidden = true;
  }

  private get axis(): MapAxis {
    return this.e.axis.value === "1" ? MapAxis.Threshold : MapAxis.Noise;
  }

  /** Computes the map for these controls; false when a box's text does not convert. */
  private compute(controls: FrameControls): boolean {
    const prepared = this.map.prepare(controls, this.separator, this.axis);
    if (!prepared.ok) {
      this.reportInputFailure(prepared);
      return false;
    }
    this.controls = controls;
    // A map still under way is of inputs no longer wanted: its worker goes.
    if (this.busy) {
      this.worker?.terminate();
      this.worker = undefined;
    }
    this.worker ??= this.startWorker();
    this.busy = true;
    this.e.status.textContent = "";
    this.e.progress.hidden = false;
    this.e.savePng.disabled = true;
    this.e.saveCsv.disabled = true;
    this.showInputs();
    this.draw();
    const started = performance.now();
    const worker = this.worker;
    worker.onmessage = (event: MessageEvent<MapAnswer>) => {
      this.busy = false;
      this.e.progress.hidden = true;
      if ("failure" in event.data) {
        this.e.status.textContent = tr("Карта не посчитана: ") + event.data.failure;
        return;
      }
      this.map.adopt(event.data.values);
      this.lastWorkerMilliseconds = event.data.milliseconds;
      this.draw();
      this.lastMilliseconds = performance.now() - started;
      ++this.shown;
      this.e.savePng.disabled = false;
      this.e.saveCsv.disabled = false;
    };
    worker.postMessage({ controls, separator: this.separator, axis: this.axis } satisfies MapRequest);
    return true;
  }

  private startWorker(): Worker {
    const worker = new Worker("map_worker.js");
    worker.onerror = (event) => {
      event.preventDefault();
      this.busy = false;
      this.e.progress.hidden = true;
      this.e.status.textContent = tr("Карта не посчитана: ") + event.message;
      worker.terminate();
      if (this.worker === worker) this.worker = undefined;
    };
    return worker;
  }

  private showInputs(): void {
    const [q, t1x, t1y, fixed] = this.map.inputs(this.separator);
    const held = this.map.axis === MapAxis.Noise ? arg(tr("порог %1"), fixed)
      : fixed === "" ? tr("шум выключен") : arg(tr("шум %1"), fixed);
    this.e.inputs.textContent = arg(tr("Q = %1, T1 = (%2, %3), %4"), q, t1x, t1y, held);
  }

  private plotRect(): Rect {
    const { width, height } = this.e.canvas;
    return { left: kLeft, top: kTop, width: width - kLeft - kRight, height: height - kTop - kBottom };
  }

  /** The canvas position of grid point (step, level), which may lie between points. */
  private canvasPoint(step: number, level: number): [number, number] {
    const plot = this.plotRect();
    return [plot.left + ((step + 0.5) * plot.width) / kMapSteps,
      plot.top + plot.height - ((level + 0.5) * plot.height) / this.map.levels];
  }

  private showReadOut(event: PointerEvent): void {
    const box = this.e.canvas.getBoundingClientRect();
    const x = Math.floor(((event.clientX - box.left) * this.e.canvas.width) / box.width);
    const y = Math.floor(((event.clientY - box.top) * this.e.canvas.height) / box.height);
    const plot = this.plotRect();
    if (x < plot.left || x >= plot.left + plot.width || y < plot.top || y >= plot.top + plot.height) {
      this.e.readout.textContent = tr("Наведите указатель на карту");
      return;
    }
    const step = cellOfPixel(x - plot.left, plot.width, kMapSteps);
    const level = cellOfPixel(plot.top + plot.height - 1 - y, plot.height, this.map.levels);
    const [s, separation, inQ, levelValue, p] = this.map.readout(step, level, this.separator);
    const levelText = arg(tr(this.map.axis === MapAxis.Noise ? "шум %1" : "порог %1"), levelValue);
    this.e.readout.textContent = arg(tr("Шаг %1: |T2 − T1| = %2 (%3 Q); %4; P = %5"), s, separation, inQ, levelText, p);
  }

  /** The cells (one RGBA pixel a grid point, the highest level on top) scaled to the plot,
   *  each pixel the colour of the cell the read-out names there. */
  private scaledCells(plot: Rect): ImageData {
    const cells = new Uint32Array(this.map.cells().buffer);
    const levels = this.map.levels;
    const image = new ImageData(plot.width, plot.height);
    const pixels = new Uint32Array(image.data.buffer);
    const steps = Array.from({ length: plot.width }, (_, x) => cellOfPixel(x, plot.width, kMapSteps));
    for (let y = 0; y < plot.height; ++y) {
      const row = (levels - 1 - cellOfPixel(plot.height - 1 - y, plot.height, levels)) * kMapSteps;
      for (let x = 0; x < plot.width; ++x) pixels[y * plot.width + x] = cells[row + steps[x]];
    }
    return image;
  }

  private draw(): void {
    const g = this.e.canvas.getContext("2d")!;
    const { width, height } = this.e.canvas;
    const plot = this.plotRect();
    g.fillStyle = "#000";
    g.fillRect(0, 0, width, height);
    g.font = kFont;
    if (this.map.hasValues) {
      g.putImageData(this.scaledCells(plot), plot.left, plot.top);
      this.drawContour(g, 0.5, kHalfContour);
      this.drawContour(g, 0.9, kNinetyContour);
    } else {
      g.fillStyle = "#202020";
      g.fillRect(plot.left, plot.top, plot.width, plot.height);
      g.fillStyle = "#fff";
      g.textAlign = "center";
      g.textBaseline = "middle";
      g.fillText(tr("Карта считается…"), plot.left + plot.width / 2, plot.top + plot.height / 2);
    }
    g.strokeStyle = "#fff";
    g.lineWidth = 1;
    g.strokeRect(plot.left - 0.5, plot.top - 0.5, plot.width + 1, plot.height + 1);
    this.drawAxes(g, plot);
    this.drawLegend(g, plot);
  }

  private drawContour(g: CanvasRenderingContext2D, p: number, colour: string): void {
    const pieces = this.map.contour(p);
    g.strokeStyle = colour;
    g.lineWidth = 2;
    g.beginPath();
    for (let i = 0; i < pieces.length; i += 4) {
      g.moveTo(...this.canvasPoint(pieces[i], pieces[i + 1]));
      g.lineTo(...this.canvasPoint(pieces[i + 2], pieces[i + 3]));
    }
    g.stroke();
  }

  private drawAxes(g: CanvasRenderingContext2D, plot: Rect): void {
    const bottom = plot.top + plot.height;
    g.fillStyle = "#fff";
    g.strokeStyle = "#fff";
    g.lineWidth = 1;
    const tick = (x0: number, y0: number, x1: number, y1: number) => {
      g.beginPath();
      g.moveTo(x0, y0);
      g.lineTo(x1, y1);
      g.stroke();
    };
    // Steps below, the separation at the same steps above.
    g.textAlign = "center";
    for (let step = 0; step <= 120; step += 20) {
      const x = Math.trunc(this.canvasPoint(step, 0)[0]) + 0.5;
      tick(x, bottom, x, bottom + kTick);
      tick(x, plot.top, x, plot.top - kTick);
      g.textBaseline = "top";
      g.fillText(String(step), x, bottom + kTick + 1);
      g.textBaseline = "bottom";
      g.fillText(this.map.separationLabel(step, this.separator), x, plot.top - kTick - 1);
    }
    g.textBaseline = "top";
    g.fillText(tr("Шаг T2 по диагонали: T2 = (шаг − 60, шаг − 60)"), plot.left + plot.width / 2, bottom + kTick + kLine);
    g.textBaseline = "bottom";
    g.fillText(tr("Расстояние |T2 − T1|, единиц датчика"), plot.left + plot.width / 2, plot.top - kTick - kLine - 2);

    // Levels at the left.
    const noise = this.map.axis === MapAxis.Noise;
    g.textAlign = "right";
    g.textBaseline = "middle";
    for (let level = 0; level < this.map.levels; level += noise ? 5 : 10) {
      const y = Math.trunc(this.canvasPoint(0, level)[1]) + 0.5;
      tick(plot.left, y, plot.left - kTick, y);
      g.fillText(this.map.levelLabel(level, this.separator), plot.left - kTick - 4, y);
    }
    g.save();
    g.translate(plot.left - kTick - 46, plot.top + plot.height / 2);
    g.rotate(-Math.PI / 2);
    g.textAlign = "center";
    g.textBaseline = "bottom";
    g.fillText(tr(noise ? "Уровень шума" : "Порог"), 0, 0);
    g.restore();
  }

  private drawLegend(g: CanvasRenderingContext2D, plot: Rect): void {
    const bar = { left: plot.left + plot.width + kLegendGap, top: plot.top, width: kLegendWidth, height: plot.height };
    const bottom = bar.top + bar.height - 1;
    for (let y = bar.top; y <= bottom; ++y) {
      g.fillStyle = this.map.colour((bottom - y) / Math.max(1, bar.height - 1));
      g.fillRect(bar.left, y, bar.width, 1);
    }
    const levelY = (p: number) => bottom - Math.round(p * (bar.height - 1)) + 0.5;
    g.lineWidth = 2;
    for (const [p, colour] of [[0.5, kHalfContour], [0.9, kNinetyContour]] as const) {
      g.strokeStyle = colour;
      g.beginPath();
      g.moveTo(bar.left, levelY(p));
      g.lineTo(bar.left + bar.width, levelY(p));
      g.stroke();
    }
    g.lineWidth = 1;
    g.strokeStyle = "#fff";
    g.fillStyle = "#fff";
    g.strokeRect(bar.left - 0.5, bar.top - 0.5, bar.width + 1, bar.height + 1);
    g.textAlign = "left";
    g.textBaseline = "middle";
    for (const p of [0, 0.5, 0.9, 1]) {
      const y = levelY(p);
      g.beginPath();
      g.moveTo(bar.left + bar.width, y);
      g.lineTo(bar.left + bar.width + kTick, y);
      g.stroke();
      g.fillText(this.map.legendLabel(p, this.separator), bar.left + bar.width + kTick + 3, y);
    }
    g.textAlign = "center";
    g.textBaseline = "bottom";
    g.fillText("P", bar.left + bar.width / 2, plot.top - kTick - kLine - 2);
  }
}
