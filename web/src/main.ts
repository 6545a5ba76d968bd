// The main window in the browser: its controls, the 35 ms tick with one trial per tick,
// the sweep and its graph, the About box. The model runs in WebAssembly (model.ts); a
// number box that does not convert gets the desktop program's message beside it, and
// the tick makes no trial until the text converts.

import { AboutBox } from "./about";
import { bmpImage, download } from "./files";
import { Graph } from "./graph";
import { isEnglish, setEnglish, tr, translatePage } from "./i18n";
import { BrenvikModel, type FrameControls, InputBox, type ModuleFactory } from "./model";
import { attachNumberFilter, decimalSeparator } from "./number_filter";
import { SceneRenderer } from "./scene";
import { Axis, ViewRotation } from "./view_rotation";

declare global {
  interface Window {
    createBrenvikModel: ModuleFactory;
    /** For the tests and the benchmark page: the running page's state. */
    brenvik?: BrenvikPage;
  }
}

/** The About box's description: the Russian original of the translation file's entry. */
declare const BRENVIK_ABOUT: string;

const kTickInterval = 35;

const $ = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;

class BrenvikPage {
  readonly separator = decimalSeparator(navigator.language);
  private readonly rotation = new ViewRotation();
  private readonly scene: SceneRenderer;
  private readonly graph = new Graph($("graphCanvas"), $("expectedCanvas"));
  readonly about: AboutBox;
  private timer: number | undefined;
  SweepActive = false;
  SweepStep = 0;
  ticks = 0;
  /** Milliseconds each tick took, for the benchmark page. */
  readonly tickTimes: number[] = [];

  private readonly boxes = [$<HTMLInputElement>("Edit1"), $<HTMLInputElement>("Edit2"), $<HTMLInputElement>("Edit3")];
  private readonly positions = ["TrackBar1", "TrackBar2", "TrackBar3", "TrackBar4"].map((id) => $<HTMLInputElement>(id));
  private readonly readouts = ["Label9", "Label11", "Label12", "Label13"].map((id) => $<HTMLOutputElement>(id));
  private readonly noise = $<HTMLInputElement>("CheckBox1");
  private readonly noiseLevel = $<HTMLInputElement>("TrackBar5");
  private readonly vary = ["CheckBox2", "CheckBox3", "CheckBox4"].map((id) => $<HTMLInputElement>(id));
  private readonly startButton = $<HTMLButtonElement>("Button1");
  private readonly probability = $<HTMLInputElement>("Edit4");
  private readonly announce = $("announce");

  constructor(readonly model: BrenvikModel) {
    // The threshold starts as 0.27 written with the user's separator, as in the desktop program.
    this.boxes[2].value = `0${this.separator}27`;
    this.scene = new SceneRenderer($("View3D"));
    this.about = new AboutBox($("AboutBox") as HTMLDialogElement, $("credits"), $("AboutCheckBox1"), "jungle.wav");
    this.wire();
    this.timer = window.setInterval(() => this.tick(), kTickInterval);
  }

  private wire(): void {
    for (const box of this.boxes) attachNumberFilter(box, () => this.separator);
    this.positions.forEach((slider, i) =>
      slider.addEventListener("input", () => { this.readouts[i].value = String(Number(slider.value)); }));
    this.noise.addEventListener("change", () => this.noiseSwitched());
    this.startButton.addEventListener("click", () => this.startOrStopSweep());
    $("SpeedButton1").addEventListener("click", () => this.about.show());
    $("OKButton").addEventListener("click", () => ($("AboutBox") as HTMLDialogElement).close());
    $("BitBtn1").addEventListener("click", () => this.exitProgram());
    ([["TrackBar6", Axis.X], ["TrackBar7", Axis.Y], ["TrackBar8", Axis.Z]] as const).forEach(([id, axis]) => {
      const slider = $<HTMLInputElement>(id);
      slider.addEventListener("input", () => this.rotation.turn(axis, Number(slider.value)));
    });
    this.wireDrag();
    // The page keys move a slider by 2, as in the desktop program.
    for (const slider of document.querySelectorAll<HTMLInputElement>("input[type=range]"))
      slider.addEventListener("keydown", (event) => {
        if (event.key !== "PageUp" && event.key !== "PageDown") return;
        event.preventDefault();
        const before = slider.value;
        slider.value = String(Number(slider.value) + (event.key === "PageUp" ? 2 : -2));
        if (slider.value !== before) slider.dispatchEvent(new Event("input"));
      });
    $("Form3SpeedButton1").addEventListener("click", () => this.saveGraph("bmp"));
    $("savePng").addEventListener("click", () => this.saveGraph("png"));
    $("saveCsv").addEventListener("click", () =>
      download("ScrShot.csv", new Blob([this.model.pointsCsv()], { type: "text/csv" })));
    $("graphCanvas").addEventListener("contextmenu", (event) => {
      event.preventDefault();
      download("ScrShot.csv", new Blob([this.model.pointsCsv()], { type: "text/csv" }));
    });
    $("Form3SpeedButton2").addEventListener("click", () => { $("Form3").hidden = true; });
    $("expectedCurve").addEventListener("change", () => this.drawExpected());
    window.addEventListener("resize", () => this.scene.resize());
  }

  /** Dragging the view turns it through the X and Y view sliders, a degree a pixel. */
  private wireDrag(): void {
    const view = $("View3D");
    const sliders = { x: $<HTMLInputElement>("TrackBar6"), y: $<HTMLInputElement>("TrackBar7") };
    let last: { x: number; y: number } | undefined;
    view.addEventListener("pointerdown", (e) => { last = { x: e.clientX, y: e.clientY }; view.setPointerCapture(e.pointerId); });
    view.addEventListener("pointerup", () => { last = undefined; });
    view.addEventListener("pointermove", (e) => {
      if (!last) return;
      const move = (slider: HTMLInputElement, by: number) => {
        const before = slider.value;
        slider.value = String(Number(slider.value) + by);
        if (slider.value !== before) slider.dispatchEvent(new Event("input"));
      };
      // Whole degrees only; the rest of a move waits for the next one.
      const dx = Math.trunc(e.clientX - last.x), dy = Math.trunc(e.clientY - last.y);
      move(sliders.y, dx);
      move(sliders.x, dy);
      last = { x: last.x + dx, y: last.y + dy };
    });
  }

  /** Stops the 35 ms timer; the tests and the benchmark then call tick themselves. */
  stopTimer(): void {
    window.clearInterval(this.timer);
    this.timer = undefined;
  }

  private noiseSwitched(): void {
    this.noiseLevel.disabled = !this.noise.checked;
  }

  private exitProgram(): void {
    this.stopTimer();
    ($("AboutBox") as HTMLDialogElement).close();
    $("Form1").hidden = true;
    const ended = $("ended");
    ended.textContent = tr("Программа завершена. Обновите страницу, чтобы начать снова.");
    ended.hidden = false;
    window.close();
  }

  private lockedControls(): HTMLInputElement[] {
    return [this.noise, this.vary[0], this.vary[1], ...this.positions, this.noiseLevel, ...this.boxes, this.vary[2]];
  }

  private startOrStopSweep(): void {
    if (this.SweepActive) this.stopSweep();
    else this.startSweep();
  }

  private startSweep(): void {
    for (const control of this.lockedControls()) control.disabled = true;
    if (this.vary[1].checked && !this.noise.checked) {
      this.noise.checked = true;
      this.noiseSwitched();
    }
    this.SweepStep = 0;
    this.startButton.textContent = tr("Стоп");
    $("Form3").hidden = false;
    this.model.clearPoints();
    this.graph.start();
    this.drawExpected();
    this.SweepActive = true;
    this.say(tr("Изменение параметра запущено"));
  }

  private stopSweep(): void {
    this.SweepActive = false;
    for (const control of this.lockedControls()) control.disabled = false;
    this.startButton.textContent = tr("Старт!");
    this.say(tr("Изменение параметра остановлено"));
  }

  private sweepStep(): void {
    const [position, noise, threshold] = this.vary.map((box) => box.checked);
    const sweep = this.model.sweepTick(this.SweepStep, { position, noise, threshold }, this.separator);
    if (sweep.position !== undefined)
      for (const i of [2, 3]) {
        this.positions[i].value = String(sweep.position);
        this.readouts[i].value = String(sweep.position);
      }
    if (sweep.noiseLevel !== undefined) this.noiseLevel.value = String(sweep.noiseLevel);
    if (sweep.threshold !== undefined) this.boxes[2].value = sweep.threshold;
    this.SweepStep = sweep.step;
    // Until a batch has completed the box shows "---": the curve waits for a level.
    if (sweep.plot && this.model.hasBatch) {
      this.graph.plot(sweep.step, this.model.addPoint(sweep.step));
      this.drawExpected();
    }
    if (sweep.ended) this.stopSweep();
  }

  private controls(): FrameControls {
    const [t1x, t1y, t2x, t2y] = this.positions.map((s) => Number(s.value));
    return {
      q: this.boxes[0].value, batchSize: this.boxes[1].value, threshold: this.boxes[2].value,
      t1x, t1y, t2x, t2y, noiseOn: this.noise.checked, noiseLevel: Number(this.noiseLevel.value),
    };
  }

  /** One tick: the sweep's step, then the frame and its picture. */
  tick(): void {
    const started = performance.now();
    if (this.SweepActive) this.sweepStep();
    const report = this.model.frame(this.controls(), this.separator);
    this.showConversion(report.ok ? undefined : report);
    if (report.ok) {
      const c = this.controls();
      this.scene.render({ t1x: c.t1x, t1y: c.t1y, t2x: c.t2x, t2y: c.t2y, cell: this.model.cell, surface: this.model.surface() },
        this.rotation.modelView);
      if (report.batchCompleted && this.probability.value !== report.batchText) {
        this.probability.value = report.batchText;
        this.say(`${tr("Вероятность обнаружения")}: ${report.batchText}`);
      }
    }
    ++this.ticks;
    this.tickTimes.push(performance.now() - started);
    if (this.tickTimes.length > 2000) this.tickTimes.splice(0, 1000);
  }

  /** The message of a box that did not convert, beside it; every other box's cleared. */
  private showConversion(failure?: { box: InputBox; message: string }): void {
    this.boxes.forEach((box, i) => {
      const message = failure && failure.box === i ? failure.message : "";
      const place = $(`${box.id}-error`);
      if (place.textContent !== message) place.textContent = message;
      if (message) box.setAttribute("aria-invalid", "true");
      else box.removeAttribute("aria-invalid");
    });
  }

  private drawExpected(): void {
    this.graph.drawExpected(this.model.expectedPoints(), $<HTMLInputElement>("expectedCurve").checked);
  }

  private saveGraph(kind: "bmp" | "png"): void {
    const shot = this.graph.snapshot($("Form3Panel1"), $<HTMLInputElement>("expectedCurve").checked);
    if (kind === "png") {
      shot.toBlob((blob) => blob && download("ScrShot.png", blob), "image/png");
      return;
    }
    const pixels = shot.getContext("2d")!.getImageData(0, 0, shot.width, shot.height);
    download("ScrShot.bmp", new Blob([bmpImage(pixels)], { type: "image/bmp" }));
  }

  private say(text: string): void {
    this.announce.textContent = text;
  }
}

async function start(): Promise<void> {
  setEnglish(isEnglish(navigator.languages?.length ? navigator.languages : [navigator.language]));
  translatePage(document);
  document.title = tr("Brenvik v 1.0");
  // "E&xit": Alt+X in English, as Alt+В in Russian.
  $("BitBtn1").accessKey = tr("&Выход").match(/&(.)/)?.[1]?.toLowerCase() ?? "в";
  $("View3D").setAttribute("aria-label", tr("Трёхмерный вид: пластина датчика, источники и освещённость"));
  $("Memo1").textContent = tr(BRENVIK_ABOUT);
  try {
    const module = await window.createBrenvikModel({ locateFile: (name) => name });
    window.brenvik = new BrenvikPage(new BrenvikModel(module));
  } catch (error) {
    $("ended").textContent = tr("Модель не загрузилась: ") + String(error);
    $("ended").hidden = false;
    throw error;
  }
  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js").catch((error: unknown) => console.warn("offline copy not installed:", error));
}


void start();
