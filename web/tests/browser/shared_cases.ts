// The page's cases that every engine runs (Chromium through Playwright, Firefox through
// Puppeteer), with WebGL 2 and without it: without, the page says so once in the view's
// place and everything but the picture works as with it. Each case gets a freshly
// loaded page in Russian whose timer ticks; a case that needs many ticks stops the
// timer and calls them itself.

import {
  attribute, boundingBox, disabled, type Expectations, fill, hidden, keepDownloads, keptDownloads, type PageDriver,
  text, value,
} from "./driver";
import "./page_state";

export interface SharedContext {
  /** What `brenvik-cli map ARGS` prints. */
  nativeMap(args: string[]): string;
}

type Case = [string, (d: PageDriver, x: Expectations, context: SharedContext) => Promise<void>];

const kNoViewSentence = "Трёхмерный вид недоступен: браузер не даёт WebGL 2. Всё остальное работает.";

async function holdTimer(d: PageDriver): Promise<void> {
  await d.evaluate(() => window.brenvik!.stopTimer(), undefined);
}

async function tickAndGrabView(d: PageDriver): Promise<string> {
  // Read in the same task as the drawing: the canvas keeps no picture between frames.
  return d.evaluate(() => {
    window.brenvik!.tick();
    return (document.getElementById("View3D") as HTMLCanvasElement).toDataURL();
  }, undefined);
}

async function pressTimes(d: PageDriver, key: string, times: number): Promise<void> {
  for (let i = 0; i < times; ++i) await d.press(key);
}

/** Opens the map from the graph panel and waits for the map `shown` to be on the panel. */
async function waitForMap(d: PageDriver, shown: number): Promise<void> {
  await d.waitFor((n) => (window.brenvik?.map.shown ?? 0) >= n, shown, 120_000);
}

const utf8 = (bytes: number[]) => Buffer.from(bytes).toString("utf8");

export const sharedCases: Case[] = [
  ["the page starts with the desktop program's captions and values, the view or the sentence in its place", async (d, x) => {
    x.expect(await text(d, "#Button1") === "Старт!", "Start button caption");
    x.expect(await text(d, "#Label10") === "Кол-во тестов:", "trials label");
    x.expect(await attribute(d, "#Edit1", "title") === "Это для формулы, считающей распределения. См. хелп ;-)", "Q hint");
    x.expect(await value(d, "#Edit3") === "0,27", "threshold text");
    x.expect(await disabled(d, "#TrackBar5"), "noise level disabled at start");
    await d.waitFor(() => (document.getElementById("Edit4") as HTMLInputElement).value === "0", undefined, 5000);
    x.expect(await text(d, "#Edit1-error") === "", "no message at start under a comma locale");
    const sentences = await d.evaluate((sentence) => Array.from(document.querySelectorAll("body *"))
      .filter((e) => (e as HTMLElement).offsetParent !== null && e.textContent === sentence).length, kNoViewSentence);
    if (d.webgl) {
      x.expect(!(await hidden(d, "#View3D")) && sentences === 0, "the view is shown, with no word of WebGL");
    } else {
      x.expect(await hidden(d, "#View3D"), "no view without WebGL 2");
      x.expect(sentences === 1, `the page says once that the view needs WebGL 2 (${sentences} times)`);
      const [view, note] = [await boundingBox(d, "#viewArea"), await boundingBox(d, "#noView")];
      x.expect(note.x >= view.x && note.y >= view.y && note.x + note.width <= view.x + view.width && note.height > 0,
        "the sentence stands in the view's place");
    }
  }],

  ["a slider changes the picture, and moving it back gives the same picture again", async (d, x) => {
    await holdTimer(d);
    const before = d.webgl ? await tickAndGrabView(d) : "";
    if (d.webgl) x.expect(before === await tickAndGrabView(d), "without noise consecutive frames are equal");
    if (d.webgl) {
      // Under the desktop's camera (x and y ÷ 100 into a viewport 10 pixels in, 200 narrower
      // and 50 lower than the view) the plate, from X −60 to 60 at height −51, is seen edge on.
      const drawn = await d.evaluate(async (picture) => {
        const image = new Image();
        image.src = picture;
        await image.decode();
        const c = document.createElement("canvas");
        c.width = image.width;
        c.height = image.height;
        const g = c.getContext("2d")!;
        g.drawImage(image, 0, 0);
        const { data } = g.getImageData(0, 0, c.width, c.height);
        const box = { left: c.width, right: -1, bottom: -1 };
        for (let y = 0; y < c.height; ++y)
          for (let px = 0; px < c.width; ++px)
            if (data[4 * (y * c.width + px) + 3] !== 0) {
              box.left = Math.min(box.left, px);
              box.right = Math.max(box.right, px);
              box.bottom = Math.max(box.bottom, y);
            }
        return box;
      }, before);
      const near = (got: number, want: number) => Math.abs(got - want) <= 3;
      x.expect(near(drawn.left, 10 + 0.2 * 417) && near(drawn.right, 10 + 0.8 * 417) && near(drawn.bottom, 443 - 10 - 0.245 * 393),
        `the camera shows the plate where the desktop's does (${JSON.stringify(drawn)})`);
    }
    await d.focus("#TrackBar3");
    await pressTimes(d, "ArrowRight", 20);
    x.expect(await text(d, "#Label12") === "20", "T2's read-out follows the slider");
    if (d.webgl) x.expect(await tickAndGrabView(d) !== before, "the picture changes with T2");
    await pressTimes(d, "ArrowLeft", 20);
    if (d.webgl) x.expect(await tickAndGrabView(d) === before, "the picture returns with T2");
    await d.focus("#TrackBar6");
    await d.press("PageUp");
    x.expect(await value(d, "#TrackBar6") === "2", "a page key moves a slider by 2");
    if (!d.webgl) return;
    x.expect(await tickAndGrabView(d) !== before, "a view slider turns the picture");
    const view = await boundingBox(d, "#View3D");
    await d.moveMouse(view.x + 300, view.y + 200);
    await d.mouseDown();
    await d.moveMouse(view.x + 330, view.y + 190, 3);
    await d.mouseUp();
    const [y, xTurn] = [await value(d, "#TrackBar7"), await value(d, "#TrackBar6")];
    x.expect(y === "30" && xTurn === "-8", `dragging moves the Y and X view sliders a degree a pixel (${y}, ${xTurn})`);
  }],

  ["a 2-trial position sweep draws the staircase, ends at step 121 and saves the model's CSV", async (d, x) => {
    await holdTimer(d);
    await fill(d, "#Edit2", "2");
    // A batch size lowered below the trials already made waits for the 8-bit count to wrap.
    await d.evaluate(() => { for (let i = 0; i < 300 && window.brenvik!.model.testCount !== 0; ++i) window.brenvik!.tick(); }, undefined);
    await d.click("#Button1");
    x.expect(await text(d, "#Button1") === "Стоп", "Stop caption while running");
    // Locked while it runs: what the sweep varies or each batch reads, and nothing else.
    const disabledControls = () => d.evaluate(() => [...document.querySelectorAll<HTMLInputElement | HTMLButtonElement>(
      "#viewArea input, #viewArea button, #Panel1 input, #Panel1 button")].filter((c) => c.disabled).map((c) => c.id).sort().join(" "), undefined);
    const locked = "CheckBox1 CheckBox2 CheckBox3 CheckBox4 Edit1 Edit2 Edit3 TrackBar1 TrackBar2 TrackBar3 TrackBar4 TrackBar5";
    x.expect(await disabledControls() === locked, `locked while running: ${await disabledControls()}`);
    const result = await d.evaluate(() => {
      const b = window.brenvik!;
      let ticks = 0;
      while (b.sweep.active && ticks < 400) { b.tick(); ++ticks; }
      const g = (document.getElementById("graphCanvas") as HTMLCanvasElement).getContext("2d")!;
      const image = g.getImageData(0, 0, 528, 312);
      const lime = (px: number, py: number) => {
        const p = 4 * (py * 528 + px);
        return image.data[p] === 0 && image.data[p + 1] === 255 && image.data[p + 2] === 0;
      };
      // Every step's run is horizontal: the middle of each run holds exactly one lime pixel.
      const runs: number[] = [];
      for (let step = 3; step <= 121; ++step) {
        let count = 0;
        for (let py = 0; py < 312; ++py) if (lime(4 * step + 8, py)) ++count;
        runs.push(count);
      }
      return { ticks, runs, step: b.sweep.step, t2: (document.getElementById("Label12") as HTMLOutputElement).value };
    }, undefined);
    x.expect(result.ticks >= 241 && result.ticks <= 242, `the sweep lasts 120·2 + 1 to 121·2 ticks (${result.ticks})`);
    x.expect(result.step === 121, "the counter ends at 121");
    x.expect(result.t2 === "60", "T2 ends at the step 120 position");
    x.expect(result.runs.every((n) => n === 1), `one lime pixel in the middle of every step (${result.runs.join(" ")})`);
    // The expected probability, switched on, is a staircase too: along each step (x = 4·step
    // + 10) at one height, then straight up or down at the next step's x to the next height.
    const expected = await d.evaluate(() => {
      const check = document.getElementById("expectedCurve") as HTMLInputElement;
      check.checked = true;
      check.dispatchEvent(new Event("change", { bubbles: true }));
      const canvas = document.getElementById("expectedCanvas") as HTMLCanvasElement;
      const { data } = canvas.getContext("2d")!.getImageData(0, 0, canvas.width, canvas.height);
      const rowsAt = (px: number) => {
        const rows: number[] = [];
        for (let py = 0; py < canvas.height; ++py) if (data[4 * (py * canvas.width + px) + 3] !== 0) rows.push(py);
        return rows;
      };
      // The height along each step: the one row of the three columns between two steps' x.
      const along: (number | undefined)[] = [];
      const astray: string[] = [];
      for (let step = 0; step <= 121; ++step) {
        const rows = new Set([1, 2, 3].flatMap((dx) => rowsAt(4 * step + 10 + dx)));
        if (rows.size > 1) astray.push(`after step ${step}: rows ${[...rows].slice(0, 6).join(" ")}…`);
        along.push(rows.size === 1 ? [...rows][0] : undefined);
      }
      // At each step's x, between the height before and the height after.
      let turns = 0, turning = 0;
      for (let step = 1; step <= 121; ++step) {
        const [before, after] = [along[step - 1], along[step]];
        if (before === undefined || after === undefined) continue;
        if (before !== after) ++turns;
        for (const py of rowsAt(4 * step + 10)) {
          if (py < Math.min(before, after) || py > Math.max(before, after)) astray.push(`at step ${step}: row ${py}`);
          else if (before !== after) ++turning;
        }
      }
      return { steps: along.filter((y) => y !== undefined).length, turns, turning, astray: astray.length, first: astray.slice(0, 3) };
    }, undefined);
    // Without noise the share falls from 1 to 0 as T2 nears T1 and rises again past it.
    x.expect(expected.steps > 100 && expected.turns >= 2 && expected.turning > 100,
      `the expected curve is drawn with its steps (${JSON.stringify(expected)})`);
    x.expect(expected.astray === 0, `the expected curve runs along each step, then up or down (${JSON.stringify(expected)})`);
    x.expect(await text(d, "#Button1") === "Старт!", "Start caption after the end");
    // The noise level too, although the noise is off, as in the desktop program.
    x.expect(await disabledControls() === "", `all unlocked after the end: ${await disabledControls()}`);
    const csv = await d.evaluate(() => window.brenvik!.model.pointsCsv(), undefined);
    const rows = csv.trim().split("\n");
    x.expect(rows[0] === "step,probability,trials,first_t2x,first_t2y,first_noise,first_threshold,last_t2x,last_t2y,last_noise,last_threshold,last_trials,p_expected", "CSV header");
    x.expect(rows.length === 121, `a row per step 2 … 121 (${rows.length - 1})`);
    x.expect(rows.slice(1).every((r) => r.split(",")[11] === "2" && r.split(",")[5] === "off"), "two trials at the last parameters, noise off");
    await keepDownloads(d);
    await d.click("#saveCsv");
    const [file] = await keptDownloads(d);
    x.expect(file?.name === "Sweep.csv" && utf8(file.bytes) === csv, "the saved CSV is the model's, named as the desktop program suggests");
  }],

  ["a bad number shows the message beside its box, makes no trial, and the next good number clears it", async (d, x) => {
    await holdTimer(d);
    await fill(d, "#Edit1", "");
    const counts = await d.evaluate(() => {
      const b = window.brenvik!;
      const before = b.model.testCount;
      b.tick();
      b.tick();
      return { before, after: b.model.testCount };
    }, undefined);
    x.expect(await text(d, "#Edit1-error") === "'' is not a valid floating point value.", "the desktop program's message");
    x.expect(await attribute(d, "#Edit1", "aria-invalid") === "true", "the box is marked invalid");
    x.expect(counts.before === counts.after, "no trial counted");
    await d.focus("#Edit1");
    await d.type("9");
    await d.evaluate(() => window.brenvik!.tick(), undefined);
    x.expect(await text(d, "#Edit1-error") === "", "the message is cleared");
    await fill(d, "#Edit2", "");
    await d.focus("#Edit2");
    await d.type("5,5a-");
    x.expect(await value(d, "#Edit2") === "5,5", "the key filter keeps digits and one separator");
    await d.evaluate(() => window.brenvik!.tick(), undefined);
    x.expect(await text(d, "#Edit2-error") === "'5,5' is not a valid integer value.", "the integer message");
    // Either separator typed becomes the page's, here the comma.
    for (const [typed, shown] of [["0.3", "0,3"], ["0,3", "0,3"], ["0.3.", "0,3"], [".5", ",5"]]) {
      await fill(d, "#Edit3", "");
      await d.focus("#Edit3");
      await d.type(typed);
      const got = await value(d, "#Edit3");
      x.expect(got === shown, `"${typed}" typed into the threshold box reads "${shown}" (${got})`);
    }
  }],

  ["the probability map: computed in a worker while the ticks go on, the tool's CSV, its colours, read-out and downloads", async (d, x, context) => {
    await fill(d, "#Edit1", "7,5");
    await fill(d, "#Edit3", "0,31");
    await fill(d, "#TrackBar1", "-12");
    await fill(d, "#TrackBar2", "3");
    // The graph panel, where the map is offered, shows from a sweep's start.
    await d.click("#Button1");
    await d.click("#Button1");
    const during = await d.evaluate(async () => {
      const b = window.brenvik!;
      document.getElementById("showMap")!.click();
      const offThread = b.map.computing;
      const ticks = b.ticks;
      while (b.map.computing) await new Promise((resolve) => setTimeout(resolve, 20));
      return { offThread, ticks: b.ticks - ticks };
    }, undefined);
    await waitForMap(d, 1);
    x.expect(during.offThread && during.ticks > 0, `the map is computed off the page's thread, the ticks going on (${during.ticks} ticks)`);
    x.expect(await text(d, "#mapInputs") === "Q = 7,5, T1 = (-12, 3), порог 0,31", `the inputs held (${await text(d, "#mapInputs")})`);

    await keepDownloads(d);
    await d.click("#mapSaveCsv");
    const [csvFile] = await keptDownloads(d);
    const want = context.nativeMap(["--y", "noise", "--q", "7.5", "--threshold", "0.31", "--t1", "-12,3"]);
    x.expect(csvFile?.name === "Map.csv" && utf8(csvFile.bytes) === want, "the map's CSV is brenvik-cli map's, byte for byte");

    // Each cell has the colour of its value, the highest level on top; probed where no
    // contour passes: the cell and its neighbours on the same side of 0.5 and of 0.9.
    const rows = want.trim().split("\n").slice(1).map((r) => r.split(","));
    const at = (step: number, level: number) => Number(rows[Math.min(30, Math.max(0, level)) * 121 + Math.min(120, Math.max(0, step))][6]);
    const side = (p: number) => (p >= 0.5 ? 1 : 0) + (p >= 0.9 ? 1 : 0);
    const probe = rows.map((r, i) => ({ step: i % 121, level: Math.floor(i / 121), p: Number(r[6]) }))
      .filter((c, i) => i % 37 === 0 && [[-1, 0], [1, 0], [0, -1], [0, 1], [-1, -1], [1, 1], [-1, 1], [1, -1]]
        .every(([ds, dl]) => side(at(c.step + ds, c.level + dl)) === side(c.p)));
    const colours = await d.evaluate((cells) => {
      const canvas = document.getElementById("mapCanvas") as HTMLCanvasElement;
      const g = canvas.getContext("2d")!;
      const plot = { left: 64, top: 46, width: canvas.width - 164, height: canvas.height - 92 };
      return cells.map(({ step, level, p }) => {
        const px = Math.floor(plot.left + ((step + 0.5) * plot.width) / 121);
        const py = Math.floor(plot.top + plot.height - ((level + 0.5) * plot.height) / 31);
        const [r, g2, b] = g.getImageData(px, py, 1, 1).data;
        const shown = `#${[r, g2, b].map((c) => c.toString(16).padStart(2, "0")).join("")}`;
        return { shown, want: window.brenvik!.map.colourOf(p) };
      });
    }, probe);
    const wrong = colours.filter((c) => c.shown !== c.want);
    x.expect(probe.length > 20 && wrong.length === 0, `cells in the colours of their values (${probe.length} probed, wrong: ${JSON.stringify(wrong.slice(0, 3))})`);
    const contourPixels = await d.evaluate(() => {
      const canvas = document.getElementById("mapCanvas") as HTMLCanvasElement;
      const data = canvas.getContext("2d")!.getImageData(64, 46, canvas.width - 164, canvas.height - 92).data;
      let white = 0, black = 0;
      for (let i = 0; i < data.length; i += 4) {
        if (data[i] === 255 && data[i + 1] === 255 && data[i + 2] === 255) ++white;
        if (data[i] === 0 && data[i + 1] === 0 && data[i + 2] === 0) ++black;
      }
      return { white, black };
    }, undefined);
    x.expect(contourPixels.white > 100 && contourPixels.black > 100, `the 0.5 and 0.9 contours are drawn (${JSON.stringify(contourPixels)})`);

    // The read-out under the pointer: step 60, noise level 10.
    const canvas = await boundingBox(d, "#mapCanvas");
    const plotWidth = canvas.width - 164, plotHeight = canvas.height - 92;
    await d.moveMouse(canvas.x + 64 + (60.5 * plotWidth) / 121, canvas.y + 46 + plotHeight - (10.5 * plotHeight) / 31);
    const readOut = await text(d, "#mapReadout") ?? "";
    const p = Number(readOut.replace(/.*P = /, "").replace(",", "."));
    x.expect(readOut.startsWith("Шаг 60: |T2 − T1| = ") && readOut.includes("; шум 10; P = ") && p === Number(Number(rows[10 * 121 + 60][6]).toPrecision(4)),
      `the read-out under the pointer (${readOut})`);
    // Along three rows and three columns of the plot, pixel by pixel: the read-out names the
    // cell drawn under the pointer, also on the cells' edges. A pixel in the colour of a
    // neighbour of the cell it reads is the fault (one on a contour line is neither).
    const misread = await d.evaluate((values) => {
      const canvas = document.getElementById("mapCanvas") as HTMLCanvasElement;
      const box = canvas.getBoundingClientRect();
      const plot = { left: 64, top: 46, width: canvas.width - 164, height: canvas.height - 92 };
      const image = canvas.getContext("2d")!.getImageData(0, 0, canvas.width, canvas.height).data;
      const colour = (step: number, level: number) => window.brenvik!.map.colourOf(values[level * 121 + step]);
      const pixels: [number, number][] = [];
      for (const f of [0.23, 0.5, 0.81]) {
        const y = plot.top + Math.floor(f * plot.height), x = plot.left + Math.floor(f * plot.width);
        for (let i = 0; i < plot.width; ++i) pixels.push([plot.left + i, y]);
        for (let i = 0; i < plot.height; ++i) pixels.push([x, plot.top + i]);
      }
      const wrong: string[] = [];
      for (const [x, y] of pixels) {
        canvas.dispatchEvent(new PointerEvent("pointermove", {
          clientX: box.left + ((x + 0.5) * box.width) / canvas.width, clientY: box.top + ((y + 0.5) * box.height) / canvas.height }));
        const read = /^Шаг (\d+):.*; шум (\d+);/.exec(document.getElementById("mapReadout")!.textContent ?? "");
        if (!read) { wrong.push(`(${x}, ${y}) read nothing`); continue; }
        const [step, level] = [Number(read[1]), Number(read[2])];
        const at = (y * canvas.width + x) * 4;
        const shown = `#${[0, 1, 2].map((c) => image[at + c].toString(16).padStart(2, "0")).join("")}`;
        const neighbours = [[step - 1, level], [step + 1, level], [step, level - 1], [step, level + 1]]
          .filter(([s, l]) => s >= 0 && s <= 120 && l >= 0 && l <= 30).map(([s, l]) => colour(s, l));
        if (shown !== colour(step, level) && neighbours.includes(shown)) wrong.push(`(${x}, ${y}) shows ${shown}, reads step ${step}, level ${level}`);
      }
      return { pixels: pixels.length, wrong };
    }, rows.map((r) => Number(r[6])));
    x.expect(misread.pixels > 1000 && misread.wrong.length === 0,
      `each pixel reads the cell drawn there (${misread.pixels} pixels; ${misread.wrong.length} wrong: ${misread.wrong.slice(0, 3).join("; ")})`);
    await d.moveMouse(canvas.x + 2, canvas.y + 2);
    x.expect(await text(d, "#mapReadout") === "Наведите указатель на карту", "off the cells the read-out asks for the pointer");

    await fill(d, "#mapAxis", "1");
    await waitForMap(d, 2);
    x.expect(await text(d, "#mapInputs") === "Q = 7,5, T1 = (-12, 3), шум выключен", `the threshold map's inputs (${await text(d, "#mapInputs")})`);
    await d.click("#mapSaveCsv");
    await d.click("#mapSavePng");
    // The picture is encoded before it is handed over.
    await d.waitFor(() => (window as unknown as { keptDownloads: unknown[] }).keptDownloads.length === 3, undefined, 10_000);
    const [, thresholdCsv, png] = await keptDownloads(d);
    x.expect(utf8(thresholdCsv?.bytes ?? []) === context.nativeMap(["--y", "threshold", "--q", "7.5", "--t1", "-12,3"]),
      "the threshold map's CSV is brenvik-cli's");
    x.expect(png?.name === "Map.png" && Buffer.from(png.bytes.slice(1, 4)).toString("latin1") === "PNG", "the map as PNG");
    const times = await d.evaluate(() => window.brenvik!.map.lastMilliseconds, undefined);
    console.log(`    ${d.engine}: the threshold map took ${times.toFixed(0)} ms from the click to the picture`);
  }],
];
