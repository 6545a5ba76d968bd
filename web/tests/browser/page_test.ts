// The page in Debian's Chromium, headless, driven by Playwright:
//   node page_test.js URL
// URL is the page served with its real headers (serve.mjs), so that a breach of its
// Content-Security-Policy shows as a console error. The ticks are run by the page's own
// 35 ms timer, or called one after another where a test needs many.

import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { type BrowserContext, chromium, type Page } from "playwright-core";
import { kChromiumFlags } from "./chromium_flags";
import "./page_state";

const url = process.argv[2];
if (!url) {
  console.error("usage: node page_test.js URL");
  process.exit(2);
}

const consoleErrors: string[] = [];
let failures = 0;

function expect(condition: boolean, what: string): void {
  if (!condition) {
    ++failures;
    console.error(`  FAIL ${what}`);
  }
}

async function openPage(context: BrowserContext): Promise<Page> {
  const page = await context.newPage();
  page.on("console", (m) => { if (m.type() === "error") consoleErrors.push(m.text()); });
  page.on("pageerror", (e) => consoleErrors.push(e.message));
  await page.goto(url);
  await page.waitForFunction(() => (window.brenvik?.ticks ?? 0) > 3, null, { timeout: 30_000 });
  return page;
}

/** Stops the page's timer, so that the test alone makes the ticks. */
async function holdTimer(page: Page): Promise<void> {
  await page.evaluate(() => window.brenvik!.stopTimer());
}

async function tickAndGrabView(page: Page): Promise<string> {
  // Read in the same task as the drawing: the canvas keeps no picture between frames.
  return page.evaluate(() => {
    window.brenvik!.tick();
    return (document.getElementById("View3D") as HTMLCanvasElement).toDataURL();
  });
}

const tests: [string, (context: BrowserContext) => Promise<void>][] = [
  ["the page starts in Russian with the desktop program's captions and initial values", async (context) => {
    const page = await openPage(context);
    expect(await page.textContent("#Button1") === "Старт!", "Start button caption");
    expect(await page.textContent("#Label10") === "Кол-во тестов:", "trials label");
    expect(await page.getAttribute("#Edit1", "title") === "Это для формулы, считающей распределения. См. хелп ;-)", "Q hint");
    expect(await page.inputValue("#Edit3") === "0,27", "threshold text");
    expect(await page.isDisabled("#TrackBar5"), "noise level disabled at start");
    await page.waitForFunction(() => (document.getElementById("Edit4") as HTMLInputElement).value === "0", null, { timeout: 5000 });
    expect(await page.textContent("#Edit1-error") === "", "no message at start under a comma locale");
  }],

  ["a slider changes the picture, and moving it back gives the same picture again", async (context) => {
    const page = await openPage(context);
    await holdTimer(page);
    const before = await tickAndGrabView(page);
    expect(before === await tickAndGrabView(page), "without noise consecutive frames are equal");
    await page.focus("#TrackBar3");
    for (let i = 0; i < 20; ++i) await page.keyboard.press("ArrowRight");
    expect(await page.textContent("#Label12") === "20", "T2's read-out follows the slider");
    const moved = await tickAndGrabView(page);
    expect(moved !== before, "the picture changes with T2");
    for (let i = 0; i < 20; ++i) await page.keyboard.press("ArrowLeft");
    expect(await tickAndGrabView(page) === before, "the picture returns with T2");
    await page.focus("#TrackBar6");
    await page.keyboard.press("PageUp");
    expect(await page.inputValue("#TrackBar6") === "2", "a page key moves a slider by 2");
    expect(await tickAndGrabView(page) !== before, "a view slider turns the picture");
    const view = (await page.locator("#View3D").boundingBox())!;
    await page.mouse.move(view.x + 300, view.y + 200);
    await page.mouse.down();
    await page.mouse.move(view.x + 330, view.y + 190, { steps: 3 });
    await page.mouse.up();
    expect(await page.inputValue("#TrackBar7") === "30" && await page.inputValue("#TrackBar6") === "-8",
      `dragging moves the Y and X view sliders a degree a pixel (${await page.inputValue("#TrackBar7")}, ${await page.inputValue("#TrackBar6")})`);
  }],

  ["a 2-trial position sweep draws the staircase and ends at step 121", async (context) => {
    const page = await openPage(context);
    await holdTimer(page);
    await page.fill("#Edit2", "2");
    // A batch size lowered below the trials already made waits for the 8-bit count to wrap.
    await page.evaluate(() => { for (let i = 0; i < 300 && window.brenvik!.model.testCount !== 0; ++i) window.brenvik!.tick(); });
    await page.click("#Button1");
    expect(await page.textContent("#Button1") === "Стоп", "Stop caption while running");
    expect(await page.isDisabled("#TrackBar3"), "the swept slider is locked");
    const result = await page.evaluate(() => {
      const b = window.brenvik!;
      let ticks = 0;
      while (b.SweepActive && ticks < 400) { b.tick(); ++ticks; }
      const g = (document.getElementById("graphCanvas") as HTMLCanvasElement).getContext("2d")!;
      const image = g.getImageData(0, 0, 528, 312);
      const lime = (x: number, y: number) => {
        const p = 4 * (y * 528 + x);
        return image.data[p] === 0 && image.data[p + 1] === 255 && image.data[p + 2] === 0;
      };
      // Every step's run is horizontal: the middle of each run holds exactly one lime pixel.
      const runs: number[] = [];
      for (let step = 3; step <= 121; ++step) {
        let count = 0;
        for (let y = 0; y < 312; ++y) if (lime(4 * step + 8, y)) ++count;
        runs.push(count);
      }
      return { ticks, runs, step: b.SweepStep, t2: (document.getElementById("Label12") as HTMLOutputElement).value };
    });
    expect(result.ticks >= 241 && result.ticks <= 242, `the sweep lasts 120·2 + 1 to 121·2 ticks (${result.ticks})`);
    expect(result.step === 121, "the counter ends at 121");
    expect(result.t2 === "60", "T2 ends at the step 120 position");
    expect(result.runs.every((n) => n === 1), `one lime pixel in the middle of every step (${result.runs.join(" ")})`);
    expect(await page.textContent("#Button1") === "Старт!", "Start caption after the end");
    const csv = await page.evaluate(() => window.brenvik!.model.pointsCsv());
    const rows = csv.trim().split("\n");
    expect(rows[0] === "step,probability,trials,first_t2x,first_t2y,first_noise,first_threshold,last_t2x,last_t2y,last_noise,last_threshold,last_trials,p_expected", "CSV header");
    expect(rows.length === 121, `a row per step 2 … 121 (${rows.length - 1})`);
    expect(rows.slice(1).every((r) => r.split(",")[11] === "2" && r.split(",")[5] === "off"), "two trials at the last parameters, noise off");
  }],

  ["a bad number shows the message beside its box, makes no trial, and the next good number clears it", async (context) => {
    const page = await openPage(context);
    await holdTimer(page);
    await page.fill("#Edit1", "");
    const counts = await page.evaluate(() => {
      const b = window.brenvik!;
      const before = b.model.testCount;
      b.tick();
      b.tick();
      return { before, after: b.model.testCount };
    });
    expect(await page.textContent("#Edit1-error") === "'' is not a valid floating point value.", "the desktop program's message");
    expect(await page.getAttribute("#Edit1", "aria-invalid") === "true", "the box is marked invalid");
    expect(counts.before === counts.after, "no trial counted");
    await page.focus("#Edit1");
    await page.keyboard.type("9");
    await page.evaluate(() => window.brenvik!.tick());
    expect(await page.textContent("#Edit1-error") === "", "the message is cleared");
    await page.fill("#Edit2", "");
    await page.focus("#Edit2");
    await page.keyboard.type("5,5a-");
    expect(await page.inputValue("#Edit2") === "5,5", "the key filter keeps digits and one separator");
    await page.evaluate(() => window.brenvik!.tick());
    expect(await page.textContent("#Edit2-error") === "'5,5' is not a valid integer value.", "the integer message");
  }],

  ["the downloads: BMP with the desktop program's headers, PNG, CSV", async (context) => {
    const page = await openPage(context);
    await holdTimer(page);
    await page.click("#Button1");
    await page.evaluate(() => { for (let i = 0; i < 40; ++i) window.brenvik!.tick(); });
    const save = async (selector: string) => {
      const [download] = await Promise.all([page.waitForEvent("download"), page.click(selector)]);
      return { name: download.suggestedFilename(), bytes: readFileSync((await download.path())!) };
    };
    const bmp = await save("#Form3SpeedButton1");
    const v = new DataView(bmp.bytes.buffer, bmp.bytes.byteOffset, bmp.bytes.byteLength);
    const rowBytes = Math.floor((528 * 3 + 3) / 4) * 4;
    expect(bmp.name === "ScrShot.bmp", "BMP name");
    expect(bmp.bytes.subarray(0, 2).toString("latin1") === "BM", "BMP signature");
    const header = [v.getUint32(2, true), v.getUint32(10, true), v.getUint32(14, true), v.getInt32(18, true), v.getInt32(22, true),
      v.getUint16(26, true), v.getUint16(28, true), v.getUint32(30, true), v.getUint32(34, true), v.getUint32(38, true)];
    const want = [54 + rowBytes * 312, 54, 40, 528, 312, 1, 24, 0, rowBytes * 312, 3780];
    expect(header.every((x, i) => x === want[i]), `BMP headers ${header} = ${want}`);
    // The axis is white: the pixel (10, GraphBaseY) is in row 312 − 1 − 272 from the bottom.
    const at = 54 + (312 - 1 - 272) * rowBytes + 3 * 10;
    expect(bmp.bytes[at] === 255 && bmp.bytes[at + 1] === 255 && bmp.bytes[at + 2] === 255, "the axis pixel is white");
    const png = await save("#savePng");
    expect(png.name === "ScrShot.png" && png.bytes.subarray(1, 4).toString("latin1") === "PNG", "PNG file");
    const csv = await save("#saveCsv");
    expect(csv.bytes.toString("utf8") === await page.evaluate(() => window.brenvik!.model.pointsCsv()), "CSV file is the model's CSV");
  }],

  ["keyboard alone reaches and works every control", async (context) => {
    const page = await openPage(context);
    const reached = new Set<string>();
    for (let i = 0; i < 40; ++i) {
      await page.keyboard.press("Tab");
      reached.add(await page.evaluate(() => document.activeElement?.id ?? ""));
    }
    const controls = ["Edit1", "TrackBar1", "TrackBar2", "TrackBar3", "TrackBar4", "Edit2", "Edit3", "CheckBox1", "CheckBox2",
      "CheckBox3", "CheckBox4", "Button1", "BitBtn1", "SpeedButton1", "TrackBar6", "TrackBar7", "TrackBar8", "Edit4"];
    const missing = controls.filter((c) => !reached.has(c));
    expect(missing.length === 0, `reached by Tab: missing ${missing}`);
    await page.focus("#CheckBox1");
    await page.keyboard.press("Space");
    expect(!(await page.isDisabled("#TrackBar5")), "Space on the noise box enables the level");
    await page.focus("#TrackBar5");
    await page.keyboard.press("ArrowRight");
    expect(await page.inputValue("#TrackBar5") === "1", "arrow keys move the noise level");
    await page.focus("#SpeedButton1");
    await page.keyboard.press("Enter");
    expect(await page.evaluate(() => (document.getElementById("AboutBox") as HTMLDialogElement).open), "Enter opens the About box");
    await page.focus("#OKButton");
    await page.keyboard.press("Enter");
    expect(!(await page.evaluate(() => (document.getElementById("AboutBox") as HTMLDialogElement).open)), "its OK button closes it");
    const focusVisible = await page.evaluate(() => {
      const b = document.getElementById("Button1")!;
      b.focus();
      return getComputedStyle(b).outlineStyle;
    });
    expect(focusVisible !== "none", "focus is visible");
  }],

  ["the About box scrolls its credits and plays its music after the click", async (context) => {
    const page = await openPage(context);
    await page.click("#SpeedButton1");
    await page.waitForTimeout(600);
    const state = await page.evaluate(() => ({
      top: document.getElementById("credits")!.style.top,
      playing: window.brenvik!.about.playing,
      memo: (document.getElementById("Memo1") as HTMLTextAreaElement).value,
    }));
    expect(state.top !== "0px" && state.top !== "", `the credits rise (${state.top})`);
    expect(state.playing, "the music plays");
    expect(state.memo.startsWith("Привет, исследователь"), "the description");
    await page.uncheck("#AboutCheckBox1");
    expect(!(await page.evaluate(() => window.brenvik!.about.playing)), "Muzzic off stops the music");
    await page.click("#OKButton");
  }],
];

/** A fresh Chromium profile of its own for `run`, in the given language. */
async function withBrowser(locale: string, run: (context: BrowserContext) => Promise<void>): Promise<void> {
  const profile = mkdtempSync(join(tmpdir(), "brenvik-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium", args: kChromiumFlags, locale, viewport: { width: 1300, height: 900 },
    acceptDownloads: true,
  });
  try {
    await run(context);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

async function main(): Promise<void> {
  await withBrowser("ru-RU", async (context) => {
    for (const [name, run] of tests) {
      console.log(`browser: ${name}`);
      await run(context);
      for (const p of context.pages()) await p.close();
    }
  });

  console.log("browser: in English, the threshold written with a point");
  await withBrowser("en-US", async (context) => {
    const page = await openPage(context);
    expect(await page.textContent("#Button1") === "Start!", "English caption");
    expect(await page.getAttribute("#BitBtn1", "title") === "Away from here!!! 8-(", "English hint");
    expect(await page.inputValue("#Edit3") === "0.27" && await page.textContent("#Edit3-error") === "", "the threshold in the user's separator");
    // Typed, the comma would become a point; pasted text is not filtered.
    await page.evaluate(() => { (document.getElementById("Edit3") as HTMLInputElement).value = "0,27"; });
    await page.waitForFunction(() => document.getElementById("Edit3-error")!.textContent !== "", null, { timeout: 5000 });
    expect(await page.textContent("#Edit3-error") === "'0,27' is not a valid floating point value.", "a comma under \".\" gets the desktop program's message");
  });

  console.log("browser: offline once loaded");
  await withBrowser("ru-RU", async (context) => {
    const page = await openPage(context);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 15_000 });
    await context.setOffline(true);
    await page.reload();
    await page.waitForFunction(() => (window.brenvik?.ticks ?? 0) > 3, null, { timeout: 15_000 });
    expect(await page.inputValue("#Edit1") === "9", "the page runs offline");
  });

  expect(consoleErrors.length === 0, `no console error (${consoleErrors.join(" | ")})`);
  console.log(failures === 0 ? "browser: all passed" : `browser: ${failures} failed`);
  process.exit(failures === 0 ? 0 : 1);
}

main().catch((error: unknown) => {
  console.error(error);
  process.exit(1);
});
