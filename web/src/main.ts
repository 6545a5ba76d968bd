// The main window in the browser: its controls, the 35 ms tick with one trial per tick,
// the sweep and its graph, the About box, a preset read from the address. The model runs in WebAssembly (model.ts); a
// number box that does not convert gets the desktop program's message beside it, and
// the tick makes no trial until the text converts.

import { AboutBox } from "./about";
import { bmpImage, download } from "./files";
import { Graph } from "./graph";
import { isEnglish, setEnglish, tr, translatePage } from "./i18n";
import { Axis, BrenvikModel, type FrameControls, InputBox, type ModuleFactory } from "./model";
import { attachNumberFilter, decimalSeparator } from "./number_filter";
import { findControls, type MainWindowControls, messagePlace, type PageControls } from "./page_controls";
import { PopupMenu } from "./popup_menu";
import { applyPreset, clearPresetMessagesOnInput, kPresetNames, presetOf, presetPairs } from "./presets";
import { MapPanel } from "./map_panel";
import { NoWebGL2, SceneRenderer } from "./scene";

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

class BrenvikPage {
  readonly separator = decimalSeparator(navigator.language);
  /** Nothing where the browser gives no WebGL 2: the page then runs without its view. */
  private readonly scene: SceneRenderer | undefined;
  readonly map: MapPanel;
  private readonly graph: Graph;
  private readonly graphMenu: PopupMenu;
  readonly about: AboutBox;
  private timer: number | undefined;
  /** Whether a sweep runs, and its step, as the desktop's SweepState. */
  readonly sweep = { active: false, step: 0 };
  ticks = 0;
  /** Milliseconds each tick took, for the benchmark page. */
  readonly tickTimes: number[] = [];
  private readonly c: MainWindowControls;

  constructor(readonly model: BrenvikModel, private readonly controls: PageControls) {
    const c = (this.c = controls.main);
    // The threshold starts as 0.27 written with the user's separator, as in the desktop program.
    c.thresholdBox.value = `0${this.separator}27`;
    this.scene = this.makeScene();
    this.map = new MapPanel(model.module, controls.map, this.separator, (failure) => this.showConversion(failure));
    this.graph = new Graph(controls.graph.picture, controls.graph.expectedLayer);
    const g = controls.graph;
    this.graphMenu = new PopupMenu(g.menu, [g.menuSaveData, g.menuExpected, g.menuMap]);
    const a = controls.about;
    this.about = new AboutBox(a.box, a.credits, a.musicCheck, "jungle.wav");
    this.wire();
    this.readPreset();
    this.timer = window.setInterval(() => this.tick(), kTickInterval);
  }

  private makeScene(): SceneRenderer | undefined {
    try {
      return new SceneRenderer(this.c.view, this.model.camera);
    } catch (error) {
      if (!(error instanceof NoWebGL2)) throw error;
      this.c.view.hidden = true;
      const note = this.c.noView;
      note.textContent = tr("Трёхмерный вид недоступен: браузер не даёт WebGL 2. Всё остальное работает.");
      note.hidden = false;
      return undefined;
    }
  }

  private get numberBoxes(): HTMLInputElement[] {
    return [this.c.qBox, this.c.trialCountBox, this.c.thresholdBox];
  }

  private get positionSliders(): [HTMLInputElement, HTMLOutputElement][] {
    const c = this.c;
    return [[c.t1XSlider, c.t1XReadOut], [c.t1YSlider, c.t1YReadOut], [c.t2XSlider, c.t2XReadOut], [c.t2YSlider, c.t2YReadOut]];
  }

  private wire(): void {
    const c = this.c, g = this.controls.graph;
    for (const box of this.numberBoxes) attachNumberFilter(box, () => this.separator);
    for (const [slider, readOut] of this.positionSliders)
      slider.addEventListener("input", () => { readOut.value = String(Number(slider.value)); });
    c.noiseCheck.addEventListener("change", () => this.noiseSwitched());
    c.startButton.addEventListener("click", () => this.startOrStopSweep());
    c.aboutButton.addEventListener("click", () => this.about.show());
    this.controls.about.okButton.addEventListener("click", () => this.about.close());
    c.exitButton.addEventListener("click", () => this.exitProgram());
    c.copyLinkButton.addEventListener("click", () => void this.copyLink());
    ([[c.turnXSlider, Axis.X], [c.turnYSlider, Axis.Y], [c.turnZSlider, Axis.Z]] as const).forEach(([slider, axis]) =>
      slider.addEventListener("input", () => this.model.turnView(axis, Number(slider.value))));
    this.wireDrag();
    // The page keys move a slider by 2, as in the desktop program.
    for (const slider of document.querySelectorAll<HTMLInputElement>("input[type=range]"))
      slider.addEventListener("keydown", (event) => {
        if (event.key !== "PageUp" && event.key !== "PageDown") return;
        event.preventDefault();
        moveSlider(slider, event.key === "PageUp" ? 2 : -2);
      });
    clearPresetMessagesOnInput(c);
    g.savePictureButton.addEventListener("click", () => this.saveGraph("bmp"));
    g.savePngButton.addEventListener("click", () => this.saveGraph("png"));
    g.saveDataButton.addEventListener("click", () => this.saveData());
    g.menuSaveData.addEventListener("click", () => this.saveData());
    g.menuExpected.addEventListener("click", () => {
      g.expectedCheck.checked = !g.expectedCheck.checked;
      this.drawExpected();
    });
    g.picture.addEventListener("contextmenu", (event) => {
      event.preventDefault();
      g.menuExpected.setAttribute("aria-checked", String(g.expectedCheck.checked));
      this.graphMenu.open(event.clientX, event.clientY);
    });
    g.closeButton.addEventListener("click", () => { g.panel.hidden = true; });
    g.expectedCheck.addEventListener("change", () => this.drawExpected());
    g.mapButton.addEventListener("click", () => this.map.showFor(this.frameControls()));
    g.menuMap.addEventListener("click", () => this.map.showFor(this.frameControls()));
    this.controls.map.closeButton.addEventListener("click", () => this.map.hide());
    window.addEventListener("resize", () => this.scene?.resize());
    // A new preset in the address is a fresh start with it, as opening the link would be.
    window.addEventListener("hashchange", () => location.reload());
  }

  /** Dragging the view with the mouse or one finger turns it through the X and Y view sliders, a degree a pixel. */
  private wireDrag(): void {
    const view = this.c.view;
    let last: { x: number; y: number; pointer: number } | undefined;
    view.addEventListener("pointerdown", (e) => {
      // A second finger does not take the turn over from the first.
      if (!e.isPrimary) return;
      last = { x: e.clientX, y: e.clientY, pointer: e.pointerId };
      view.setPointerCapture(e.pointerId);
    });
    const end = (e: PointerEvent) => { if (last?.pointer === e.pointerId) last = undefined; };
    view.addEventListener("pointerup", end);
    view.addEventListener("pointercancel", end);
    // The touches that turn the view are the view's own: left to the browser, a quick drag
    // ends in a fling, and the next tap anywhere on the page only stops that fling.
    view.addEventListener("touchmove", (e) => e.preventDefault(), { passive: false });
    view.addEventListener("pointermove", (e) => {
      if (!last || e.pointerId !== last.pointer) return;
      // Whole degrees only; the rest of a move waits for the next one.
      const dx = Math.trunc(e.clientX - last.x), dy = Math.trunc(e.clientY - last.y);
      moveSlider(this.c.turnYSlider, dx);
      moveSlider(this.c.turnXSlider, dy);
      last = { ...last, x: last.x + dx, y: last.y + dy };
    });
  }

  /** Stops the 35 ms timer; the tests and the benchmark then call tick themselves. */
  stopTimer(): void {
    window.clearInterval(this.timer);
    this.timer = undefined;
  }

  private readPreset(): void {
    const unknown = applyPreset(presetPairs(location.hash), this.c, this.model, this.separator);
    messagePlace(this.c.copyLinkButton).textContent = unknown.length === 0 ? ""
      : `${tr("Ссылка: этого параметра нет")}: ${unknown.join(", ")} (${kPresetNames.join(", ")})`;
  }

  /** The inputs written into the page's address, and the address copied. */
  private async copyLink(): Promise<void> {
    const address = `${location.href.replace(/#.*$/, "")}${presetOf(this.c, this.separator)}`;
    history.replaceState(null, "", address);
    messagePlace(this.c.copyLinkButton).textContent = "";
    let said = tr("Ссылка скопирована");
    try {
      if (!navigator.clipboard) throw new DOMException("no clipboard", "NotAllowedError");
      await navigator.clipboard.writeText(address);
    } catch (error) {
      // A page without the clipboard (an insecure address, a refusal) leaves the link where it can be copied by hand.
      if (!(error instanceof DOMException)) throw error;
      said = tr("Ссылка записана в адрес страницы: скопируйте её оттуда");
    }
    this.c.copyLinkStatus.textContent = said;
  }

  private noiseSwitched(): void {
    this.c.noiseLevelSlider.disabled = !this.c.noiseCheck.checked;
  }

  private exitProgram(): void {
    this.stopTimer();
    this.about.close();
    this.graphMenu.close();
    this.c.window.hidden = true;
    const ended = this.c.ended;
    ended.textContent = tr("Программа завершена. Обновите страницу, чтобы начать снова.");
    ended.hidden = false;
    // The button is gone with the window: the focus goes to what replaces it.
    ended.focus();
    // Only a window that a script opened may close itself; any other says that the program has ended.
    if (window.opener) window.close();
  }

  /** The controls a running sweep locks, named by the model's module. */
  private lockedControls(): HTMLInputElement[] {
    return this.model.sweepLockedControls().map((role) => {
      const control = this.c[role as keyof MainWindowControls];
      if (!(control instanceof HTMLInputElement)) throw new Error(`a sweep locks "${role}", which is no input of the page`);
      return control;
    });
  }

  private startOrStopSweep(): void {
    if (this.sweep.active) this.stopSweep();
    else this.startSweep();
  }

  private startSweep(): void {
    const c = this.c;
    for (const control of this.lockedControls()) control.disabled = true;
    if (c.varyNoiseCheck.checked && !c.noiseCheck.checked) {
      c.noiseCheck.checked = true;
      this.noiseSwitched();
    }
    this.sweep.step = 0;
    c.startButton.textContent = tr("Стоп");
    this.controls.graph.panel.hidden = false;
    this.model.clearPoints();
    this.graph.start(this.model.graphGrid(this.graph.canvas.width, this.graph.canvas.height));
    this.drawExpected();
    this.sweep.active = true;
    this.say(tr("Изменение параметра запущено"));
  }

  private stopSweep(): void {
    this.sweep.active = false;
    for (const control of this.lockedControls()) control.disabled = false;
    this.c.startButton.textContent = tr("Старт!");
    this.say(tr("Изменение параметра остановлено"));
  }

  private sweepStep(): void {
    const c = this.c;
    const vary = { position: c.varyPositionCheck.checked, noise: c.varyNoiseCheck.checked, threshold: c.varyThresholdCheck.checked };
    const next = this.model.sweepTick(this.sweep.step, vary, this.separator);
    if (next.position !== undefined)
      for (const [slider, readOut] of [[c.t2XSlider, c.t2XReadOut], [c.t2YSlider, c.t2YReadOut]] as const) {
        slider.value = String(next.position);
        readOut.value = String(next.position);
      }
    if (next.noiseLevel !== undefined) c.noiseLevelSlider.value = String(next.noiseLevel);
    if (next.threshold !== undefined) c.thresholdBox.value = next.threshold;
    this.sweep.step = next.step;
    // Until a batch has completed the box shows "---" and the model gives no point: the curve waits for a level.
    const reached = next.plot ? this.model.addPoint(next.step, this.graph.graphBaseY) : undefined;
    if (reached) {
      this.graph.plot(reached);
      this.drawExpected();
    }
    if (next.ended) this.stopSweep();
  }

  private frameControls(): FrameControls {
    const c = this.c;
    const [t1x, t1y, t2x, t2y] = this.positionSliders.map(([slider]) => Number(slider.value));
    return {
      q: c.qBox.value, batchSize: c.trialCountBox.value, threshold: c.thresholdBox.value,
      t1x, t1y, t2x, t2y, noiseOn: c.noiseCheck.checked, noiseLevel: Number(c.noiseLevelSlider.value),
    };
  }

  /** One tick: the sweep's step, then the frame and its picture. */
  tick(): void {
    const started = performance.now();
    if (this.sweep.active) this.sweepStep();
    const controls = this.frameControls();
    const report = this.model.frame(controls, this.separator);
    this.showConversion(report.ok ? undefined : report);
    if (report.ok) {
      const { t1x, t1y, t2x, t2y } = controls;
      this.scene?.render({ t1x, t1y, t2x, t2y, cell: this.model.cell, surface: this.model.surface() }, this.model.viewMatrix);
      const box = this.c.probabilityBox;
      if (report.batchCompleted && box.value !== report.batchText) {
        box.value = report.batchText;
        this.say(`${tr("Вероятность обнаружения")}: ${report.batchText}`);
      }
    }
    ++this.ticks;
    this.tickTimes.push(performance.now() - started);
    if (this.tickTimes.length > 2000) this.tickTimes.splice(0, 1000);
  }

  /** The message of a box that did not convert, beside it; every other box's cleared. */
  private showConversion(failure?: { box: InputBox; message: string }): void {
    this.numberBoxes.forEach((box, i) => {
      const message = failure && failure.box === i ? failure.message : "";
      const place = messagePlace(box);
      if (place.textContent !== message) place.textContent = message;
      if (message) box.setAttribute("aria-invalid", "true");
      else box.removeAttribute("aria-invalid");
    });
  }

  private drawExpected(): void {
    this.graph.drawExpected(this.model.expectedStaircase(this.graph.graphBaseY), this.controls.graph.expectedCheck.checked);
  }

  /** The sweep's points, under the name the desktop program suggests. */
  private saveData(): void {
    download("Sweep.csv", new Blob([this.model.pointsCsv()], { type: "text/csv" }));
  }

  private saveGraph(kind: "bmp" | "png"): void {
    const g = this.controls.graph;
    const shot = this.graph.snapshot(g.buttonPanel, g.expectedCheck.checked);
    if (kind === "png") {
      shot.toBlob((blob) => blob && download("ScrShot.png", blob), "image/png");
      return;
    }
    const pixels = shot.getContext("2d")!.getImageData(0, 0, shot.width, shot.height);
    download("ScrShot.bmp", new Blob([bmpImage(pixels)], { type: "image/bmp" }));
  }

  private say(text: string): void {
    this.c.announce.textContent = text;
  }
}

/** Moves a slider by `by`, as far as its range goes, and tells its listeners when it moved. */
function moveSlider(slider: HTMLInputElement, by: number): void {
  const before = slider.value;
  slider.value = String(Number(slider.value) + by);
  if (slider.value !== before) slider.dispatchEvent(new Event("input"));
}

async function start(): Promise<void> {
  setEnglish(isEnglish(navigator.languages?.length ? navigator.languages : [navigator.language]));
  translatePage(document);
  document.title = tr("Brenvik v 1.0");
  const controls = findControls(document);
  // "E&xit": Alt+X in English, as Alt+В in Russian.
  controls.main.exitButton.accessKey = tr("&Выход").match(/&(.)/)?.[1]?.toLowerCase() ?? "в";
  controls.main.view.setAttribute("aria-label", tr("Трёхмерный вид: пластина датчика, источники и освещённость"));
  controls.about.description.textContent = tr(BRENVIK_ABOUT);
  try {
    const module = await window.createBrenvikModel({ locateFile: (name) => name });
    window.brenvik = new BrenvikPage(new BrenvikModel(module), controls);
  } catch (error) {
    controls.main.ended.textContent = tr("Модель не загрузилась: ") + String(error);
    controls.main.ended.hidden = false;
    throw error;
  }
  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js").catch((error: unknown) => console.warn("offline copy not installed:", error));
}


void start();
