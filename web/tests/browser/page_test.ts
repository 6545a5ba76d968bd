// The page in Debian's Chromium, headless, driven by Playwright:
//   node page_test.js URL NATIVE_BRENVIK_CLI [SCREENSHOT_FOLDER]
// URL is the page served with its real headers (serve.mjs), so that a breach of its
// Content-Security-Policy shows as a console error. The ticks are run by the page's own
// 35 ms timer, or called one after another where a test needs many. The cases every
// engine runs (shared_cases.ts) run here with WebGL and with WebGL switched off; the
// rest are Chromium's alone. With a folder, the phone and tablet sizes are photographed
// into it (README's pictures).

import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { type BrowserContext, type BrowserContextOptions, chromium, type Page } from "playwright-core";
import { kChromiumFlags } from "./chromium_flags";
import { Expectations } from "./driver";
import "./page_state";
import { playwrightDriver } from "./playwright_driver";
import { type SharedContext, sharedCases } from "./shared_cases";

const [url, nativeCli, screenshotFolder] = process.argv.slice(2);
if (!url || !nativeCli) {
  console.error("usage: node page_test.js URL NATIVE_BRENVIK_CLI [SCREENSHOT_FOLDER]");
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

async function openPage(context: BrowserContext, address = url): Promise<Page> {
  const page = await context.newPage();
  page.on("console", (m) => { if (m.type() === "error") consoleErrors.push(m.text()); });
  page.on("pageerror", (e) => consoleErrors.push(e.message));
  await page.goto(address);
  await page.waitForFunction(() => (window.brenvik?.ticks ?? 0) > 3, null, { timeout: 30_000 });
  return page;
}

/** Whether the condition holds within two seconds. */
async function eventually(page: Page, condition: () => boolean): Promise<boolean> {
  return page.waitForFunction(condition, null, { timeout: 2000 }).then(() => true, () => false);
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
    // The axis is white: the pixel (10, graphBaseY) is in row 312 − 1 − 272 from the bottom.
    const at = 54 + (312 - 1 - 272) * rowBytes + 3 * 10;
    expect(bmp.bytes[at] === 255 && bmp.bytes[at + 1] === 255 && bmp.bytes[at + 2] === 255, "the axis pixel is white");
    const png = await save("#savePng");
    expect(png.name === "ScrShot.png" && png.bytes.subarray(1, 4).toString("latin1") === "PNG", "PNG file");
    const csv = await save("#saveCsv");
    expect(csv.name === "Sweep.csv", `the CSV under the desktop program's name (${csv.name})`);
    expect(csv.bytes.toString("utf8") === await page.evaluate(() => window.brenvik!.model.pointsCsv()), "CSV file is the model's CSV");
    // A right click offers the desktop program's menu; Escape closes it and the focus goes back.
    await page.focus("#saveCsv");
    await page.click("#graphCanvas", { button: "right", position: { x: 500, y: 300 } });
    const menu = await page.evaluate(() => {
      const m = document.getElementById("graphMenu")!, r = m.getBoundingClientRect();
      return { shown: !m.hidden, inside: r.right <= innerWidth && r.bottom <= innerHeight, focused: document.activeElement?.id,
        items: [...m.querySelectorAll("[role^=menuitem]")].map((i) => i.textContent) };
    });
    expect(menu.shown && menu.inside && menu.focused === "graphMenuSaveCsv", `the menu opens on screen with its first item focused (${JSON.stringify(menu)})`);
    expect(menu.items.join("|") === "Сохранить данные (CSV)…|Ожидаемая вероятность|Карта вероятности…", `the menu's items (${menu.items})`);
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Enter");
    expect(await page.isChecked("#expectedCurve"), "the menu's item switches the expected curve on");
    expect(await page.isHidden("#graphMenu"), "a choice closes the menu");
    // As the keyboard's menu key opens it, with the focus where it was.
    await page.focus("#saveCsv");
    await page.dispatchEvent("#graphCanvas", "contextmenu", { clientX: 100, clientY: 100 });
    await page.keyboard.press("Escape");
    expect(await page.isHidden("#graphMenu") && await page.evaluate(() => document.activeElement?.id) === "saveCsv",
      "Escape closes the menu and gives the focus back");
    await page.click("#graphCanvas", { button: "right" });
    const fromMenu = await save("#graphMenuSaveCsv");
    expect(fromMenu.name === "Sweep.csv" && fromMenu.bytes.equals(csv.bytes), "the menu saves the same CSV under the same name");
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

  ["the About box is modal: the page behind is out of reach, Tab stays in it, Escape closes it", async (context) => {
    const page = await openPage(context);
    await page.setViewportSize({ width: 1366, height: 768 });
    await page.focus("#SpeedButton1");
    await page.keyboard.press("Enter");
    const inside = [];
    for (let i = 0; i < 8; ++i) {
      await page.keyboard.press(i % 3 === 2 ? "Shift+Tab" : "Tab");
      inside.push(await page.evaluate(() => document.getElementById("AboutBox")!.contains(document.activeElement)));
    }
    expect(inside.every(Boolean), `Tab and Shift+Tab stay in the box (${inside})`);
    const behind = await page.evaluate(() => {
      const start = document.getElementById("Button1")!.getBoundingClientRect();
      const ok = document.getElementById("OKButton")!.getBoundingClientRect();
      return { start: document.elementFromPoint(start.x + 5, start.y + 5)?.id, okBottom: ok.bottom };
    });
    expect(behind.start !== "Button1", "Start cannot be clicked under the box");
    expect(behind.okBottom <= 768, `"Ага..." is on screen at 1366 × 768 (its bottom at ${behind.okBottom})`);
    await page.keyboard.press("Escape");
    expect(!(await page.evaluate(() => (document.getElementById("AboutBox") as HTMLDialogElement).open)), "Escape closes the box");
    // The dialog's close event, which stops the music, is a task of its own after the key.
    expect(await eventually(page, () => !window.brenvik!.about.playing), "and stops the music");
    expect(await page.evaluate(() => document.activeElement?.id) === "SpeedButton1", "the focus goes back to the button");
  }],

  ["the sliders' full names; \"Выход\" ends the program with no error and the focus on what it says", async (context) => {
    const page = await openPage(context);
    for (const name of ["Положение Т1 X", "Положение Т1 Y", "Положение Т2 X", "Положение Т2 Y"])
      expect(await page.getByRole("slider", { name, exact: true }).count() === 1, `a slider named "${name}"`);
    await page.click("#BitBtn1");
    const state = await page.evaluate(() => ({ focus: document.activeElement?.id, hidden: document.getElementById("Form1")!.hidden,
      said: document.getElementById("ended")!.textContent }));
    expect(state.focus === "ended" && state.hidden && state.said!.startsWith("Программа завершена"), `after Exit ${JSON.stringify(state)}`);
  }],

  ["a preset in the address sets the inputs; a bad one is reported beside its control; Copy link writes them back", async (context) => {
    const preset = "#q=7.5&t1=-20,-5&t2=20,5&noise=13&threshold=0.3&tests=50&vary=noise,threshold";
    const page = await openPage(context, url + preset);
    const values = () => page.evaluate(() => [...document.querySelectorAll<HTMLInputElement>("#Panel1 input")]
      .map((i) => `${i.id}=${i.type === "checkbox" ? i.checked : i.value}${i.disabled ? " disabled" : ""}`).join(" "));
    expect(await values() === "Edit1=7,5 TrackBar1=-20 TrackBar2=-5 TrackBar3=20 TrackBar4=5 Edit2=50 Edit3=0,3 CheckBox1=true "
      + "TrackBar5=13 CheckBox2=false CheckBox3=true CheckBox4=true", `the preset's inputs (${await values()})`);
    expect(await page.textContent("#Label9") === "-20" && await page.textContent("#Label13") === "5", "the read-outs follow");
    const messages = () => page.$$eval(".error", (places) => places.map((p) => p.textContent).join("").trim());
    expect(await messages() === "", `no message (${await messages()})`);
    await context.grantPermissions(["clipboard-read", "clipboard-write"]);
    await page.click("#copyLink");
    await page.waitForFunction(() => document.getElementById("copyLinkStatus")!.textContent !== "");
    expect(await page.evaluate(() => location.hash) === preset, `Copy link writes the same preset (${await page.evaluate(() => location.hash)})`);
    expect(await page.evaluate(() => navigator.clipboard.readText()) === url + preset, "and copies the address");

    // Whatever the inputs, the copied link opens the page with them.
    await page.fill("#Edit1", "12,25");
    await page.fill("#Edit2", "");
    await page.fill("#TrackBar5", "7");
    await page.check("#CheckBox2");
    await page.uncheck("#CheckBox3");
    await page.uncheck("#CheckBox4");
    await page.fill("#TrackBar2", "60");
    await page.click("#copyLink");
    const copied = await page.evaluate(() => location.href);
    const before = await values();
    const again = await openPage(context, copied);
    const after = await again.evaluate(() => [...document.querySelectorAll<HTMLInputElement>("#Panel1 input")]
      .map((i) => `${i.id}=${i.type === "checkbox" ? i.checked : i.value}${i.disabled ? " disabled" : ""}`).join(" "));
    expect(after === before, `the copied link ${copied} gives ${after}, not ${before}`);

    const bad = await openPage(context, `${url}#q=abc&t1=70,0&t2=1&noise=31&vary=noise,none&foo=1`);
    await bad.evaluate(() => window.brenvik!.tick());
    const beside = (id: string) => bad.textContent(`#${id}-error`);
    expect(await bad.inputValue("#Edit1") === "abc" && await beside("Edit1") === "'abc' is not a valid floating point value.",
      "a bad number stays in its box with the box's message");
    expect(await beside("TrackBar1") === "--t1: 70 is outside -60..60." && await bad.inputValue("#TrackBar1") === "0",
      `T1 out of range: brenvik-cli's message, the slider where it was (${await beside("TrackBar1")})`);
    expect(await beside("TrackBar3") === "--t2 takes X,Y (for example --t2 -20,0), not '1'.", `T2 (${await beside("TrackBar3")})`);
    expect(await beside("TrackBar5") === "--noise: 31 is outside 0..30." && !(await bad.isChecked("#CheckBox1")), `noise (${await beside("TrackBar5")})`);
    expect(await beside("CheckBox2") === "--vary: none cannot be combined with position, noise or threshold."
      && await bad.isChecked("#CheckBox2") && !(await bad.isChecked("#CheckBox3")), `vary (${await beside("CheckBox2")})`);
    expect((await beside("copyLink"))!.includes("foo"), `an unknown name is named (${await beside("copyLink")})`);
    expect(await bad.getAttribute("#TrackBar1", "aria-invalid") === "true", "the slider is marked invalid");
    await bad.focus("#TrackBar2");
    await bad.keyboard.press("ArrowRight");
    expect(await beside("TrackBar1") === "" && await bad.getAttribute("#TrackBar1", "aria-invalid") === null,
      "moving a T1 slider clears the message");
  }],
];

/** A fresh Chromium profile of its own for `run`, in the given language. */
async function withBrowser(locale: string, run: (context: BrowserContext) => Promise<void>,
  options: BrowserContextOptions = {}, flags: string[] = []): Promise<void> {
  const profile = mkdtempSync(join(tmpdir(), "brenvik-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium", args: [...kChromiumFlags, ...flags], locale, viewport: { width: 1300, height: 900 },
    acceptDownloads: true, ...options,
  });
  try {
    await run(context);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

const kPhonesAndTablets = [
  { name: "phone", width: 390, height: 844 },
  { name: "phone-landscape", width: 844, height: 390 },
  { name: "tablet", width: 768, height: 1024 },
  { name: "tablet-landscape", width: 1024, height: 768 },
];
const kTouch = { hasTouch: true, isMobile: true };

/** Every control on the page that a user works, by id, with its box; hidden ones left out. */
function controlBoxes(page: Page) {
  return page.evaluate(() => [...document.querySelectorAll<HTMLElement>("main input, main button")]
    .filter((e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== "hidden")
    .map((e) => { const r = e.getBoundingClientRect(); return { id: e.id, left: r.left, right: r.right, width: r.width, height: r.height }; }));
}

/** A one-finger drag on the view, through the browser's own touch input. */
async function dragWithOneFinger(page: Page, moves: { x: number; y: number }[]): Promise<void> {
  const view = (await page.locator("#View3D").boundingBox())!;
  const cdp = await page.context().newCDPSession(page);
  let at = { x: Math.round(view.x + view.width / 2), y: Math.round(view.y + view.height / 2) };
  await cdp.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [at] });
  for (const move of moves) {
    at = { x: at.x + move.x, y: at.y + move.y };
    await cdp.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: [at] });
  }
  await cdp.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
  await cdp.detach();
}

/** axe-core's violations on the page as it stands, each with the elements it found. */
async function axeViolations(page: Page): Promise<string[]> {
  await page.evaluate(readFileSync(join(__dirname, "..", "node_modules", "axe-core", "axe.min.js"), "utf8"));
  return page.evaluate(async () => {
    const axe = (window as unknown as { axe: { run(): Promise<{ violations: { id: string; nodes: { target: string[] }[] }[] }> } }).axe;
    return (await axe.run()).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
  });
}

const nativeMaps = new Map<string, string>();
const sharedContext: SharedContext = {
  nativeMap(args) {
    const key = args.join(" ");
    if (!nativeMaps.has(key)) nativeMaps.set(key, execFileSync(nativeCli, ["map", "--threads", "1", ...args], { encoding: "utf8" }));
    return nativeMaps.get(key)!;
  },
};

/** Every shared case on a fresh page, with WebGL 2 or with it switched off. */
async function runSharedCases(label: string, flags: string[], webgl: boolean): Promise<void> {
  const x = new Expectations(label);
  await withBrowser("ru-RU", async (context) => {
    for (const [name, run] of sharedCases) {
      console.log(`browser (${label}): ${name}`);
      await run(playwrightDriver(await openPage(context), label, webgl), x, sharedContext);
      for (const p of context.pages()) await p.close();
    }
  }, {}, flags);
  failures += x.failures;
}

async function main(): Promise<void> {
  console.log("server: a malformed address is answered 400, and the server keeps serving");
  const malformed = await fetch(new URL("/%E0%A4%A", url));
  expect(malformed.status === 400, `a malformed address's status (${malformed.status})`);
  expect((await fetch(url)).status === 200, "the page is served after it");

  await runSharedCases("Chromium", [], true);
  await runSharedCases("Chromium without WebGL", ["--disable-webgl"], false);
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
    // Typed, the comma becomes a point; pasted text is not filtered.
    await page.fill("#Edit3", "");
    await page.focus("#Edit3");
    await page.keyboard.type("0,3");
    expect(await page.inputValue("#Edit3") === "0.3", `a comma typed under "." becomes a point (${await page.inputValue("#Edit3")})`);
    // The box was empty a moment: its message goes with the next tick.
    await page.waitForFunction(() => document.getElementById("Edit3-error")!.textContent === "", null, { timeout: 5000 });
    await page.evaluate(() => { (document.getElementById("Edit3") as HTMLInputElement).value = "0,27"; });
    await page.waitForFunction(() => document.getElementById("Edit3-error")!.textContent !== "", null, { timeout: 5000 });
    expect(await page.textContent("#Edit3-error") === "'0,27' is not a valid floating point value.", "a comma under \".\" gets the desktop program's message");
  });

  console.log("browser: phones and tablets, by touch");
  for (const size of kPhonesAndTablets)
    await withBrowser("ru-RU", async (context) => {
      const page = await openPage(context);
      const where = `${size.width} × ${size.height}`;
      await page.tap("#Button1");
      await page.tap("#Button1");
      expect(await page.isVisible("#Form3"), `${where}: Start by touch opens the graph`);
      await page.tap("#showMap");
      await page.waitForFunction(() => window.brenvik!.map.shown === 1, null, { timeout: 120_000 });
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
      expect(overflow <= 0, `${where}: no horizontal scroll (${overflow} px too wide)`);
      const boxes = await controlBoxes(page);
      const outside = boxes.filter((b) => b.left < 0 || b.right > size.width).map((b) => b.id);
      expect(boxes.length === 29 && outside.length === 0, `${where}: every control within the width (${boxes.length} controls; outside: ${outside})`);
      const small = boxes.filter((b) => b.width < 24 || b.height < 24).map((b) => `${b.id} ${b.width}×${b.height}`);
      expect(small.length === 0, `${where}: every target at least 24 × 24 (${small})`);
      await page.tap("#CheckBox3");
      expect(await page.isChecked("#CheckBox3"), `${where}: a tap ticks a check box`);
      await page.evaluate(() => window.brenvik!.stopTimer());
      await page.locator("#View3D").scrollIntoViewIfNeeded();
      const before = await tickAndGrabView(page);
      const quickDrag = [{ x: 10, y: -5 }, { x: 10, y: -5 }, { x: 10, y: -5 }];
      await dragWithOneFinger(page, quickDrag);
      const turned = [await page.inputValue("#TrackBar7"), await page.inputValue("#TrackBar6")];
      expect(turned.join() === "30,-15", `${where}: a one-finger drag turns the view as the mouse does (${turned})`);
      expect(await tickAndGrabView(page) !== before, `${where}: and the picture turns`);
      // A quick drag, then a tap at once: the tap must reach its control, not stop a fling.
      for (let flick = 1; flick <= 4; flick++) {
        const ticked = await page.isChecked("#CheckBox3");
        await page.locator("#View3D").scrollIntoViewIfNeeded();
        await dragWithOneFinger(page, quickDrag);
        await page.tap("#CheckBox3");
        expect(await page.isChecked("#CheckBox3") !== ticked, `${where}: a tap straight after a drag on the view reaches its control (drag ${flick})`);
      }
      if (screenshotFolder) {
        // The whole page in one picture: a full-page capture would drop the touch emulation while it takes it.
        await page.setViewportSize({ width: size.width, height: await page.evaluate(() => document.documentElement.scrollHeight) });
        await page.screenshot({ path: join(screenshotFolder, `web-${size.name}.png`) });
        await page.setViewportSize({ width: size.width, height: size.height });
      }
      await page.tap("#SpeedButton1");
      // The box must be open before it is measured: a closed one measures 0 × 0, on screen.
      await page.waitForFunction(() => (document.getElementById("AboutBox") as HTMLDialogElement).open);
      const dialog = await page.evaluate(() => {
        const r = document.getElementById("AboutBox")!.getBoundingClientRect();
        return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: innerWidth, height: innerHeight };
      });
      expect(dialog.left >= 0 && dialog.top >= 0 && dialog.right <= dialog.width && dialog.bottom <= dialog.height,
        `${where}: the About box is wholly on screen (${JSON.stringify(dialog)})`);
      await page.locator("#OKButton").scrollIntoViewIfNeeded();
      await page.tap("#OKButton");
      expect(!(await page.evaluate(() => (document.getElementById("AboutBox") as HTMLDialogElement).open)), `${where}: "Ага..." closes it by touch`);
    }, { viewport: { width: size.width, height: size.height }, ...kTouch });

  console.log("browser: axe-core, with the graph and the map open");
  for (const locale of ["ru-RU", "en-US"])
    for (const [size, options] of [["1366 × 768", { viewport: { width: 1366, height: 768 } }],
      ["390 × 844", { viewport: { width: 390, height: 844 }, ...kTouch }]] as const)
      await withBrowser(locale, async (context) => {
        const page = await openPage(context);
        await page.click("#Button1");
        await page.click("#Button1");
        await page.click("#showMap");
        await page.waitForFunction(() => window.brenvik!.map.shown === 1, null, { timeout: 120_000 });
        const violations = await axeViolations(page);
        console.log(`  axe ${locale} ${size}: ${violations.length} violations`);
        expect(violations.length === 0, `axe ${locale} ${size}: ${violations.join("; ")}`);
        if (locale === "en-US")
          expect(await page.getByRole("slider", { name: "T2 position Y", exact: true }).count() === 1, "the sliders' names in English");
      }, options);

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
