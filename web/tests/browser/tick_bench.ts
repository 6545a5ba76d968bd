// Ticks per second of the page with white noise at level 30 in a view tilted 60° about X,
// as the desktop program's tick benchmark drives its main window:
//   node tick_bench.js URL [SECONDS] [--firefox] [--map]
// In Debian's Chromium, headless (software WebGL), or with --firefox in Debian's Firefox
// ESR in a window (run it under xvfb-run). With --map the probability map is computed
// over and over in its worker meanwhile, the two axes in turn. Reports the ticks per
// second that the 35 ms timer made (at most 28.57), the median and 95th percentile of a
// tick's time on the page's thread (model, sweep step and the drawing calls), and with
// --map the maps made of either axis and their median time from the request to the picture.

import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";
import { kChromiumFlags } from "./chromium_flags";
import { fill, type PageDriver } from "./driver";
import { launchFirefox } from "./firefox_launch";
import "./page_state";
import { playwrightDriver } from "./playwright_driver";
import { puppeteerDriver } from "./puppeteer_driver";

async function measure(d: PageDriver, seconds: number, withMap: boolean): Promise<string> {
  await d.waitFor(() => (window.brenvik?.ticks ?? 0) > 3, undefined, 30_000);
  await d.click("#CheckBox1");
  await fill(d, "#TrackBar5", "30");
  await fill(d, "#TrackBar6", "60");
  await d.evaluate(() => new Promise((resolve) => setTimeout(resolve, 1000)), undefined);
  const result = await d.evaluate(async ([ms, map]) => {
    const b = window.brenvik!;
    const axis = document.getElementById("mapAxis") as HTMLSelectElement;
    const mapTimes: Record<string, number[]> = { "0": [], "1": [] };
    let shown = b.map.shown;
    // A new map as soon as the last one is shown, the other axis each time.
    const mapper = map ? window.setInterval(() => {
      if (b.map.computing) return;
      if (b.map.shown !== shown) {
        mapTimes[axis.value].push(b.map.lastMilliseconds);
        shown = b.map.shown;
      }
      axis.value = axis.value === "0" ? "1" : "0";
      if (document.getElementById("MapPanel")!.hidden) document.getElementById("showMap")!.click();
      else axis.dispatchEvent(new Event("change"));
    }, 5) : undefined;
    const ticks = b.ticks, times = b.tickTimes.length;
    const start = performance.now();
    await new Promise((resolve) => setTimeout(resolve, ms));
    const elapsed = performance.now() - start;
    window.clearInterval(mapper);
    const own = b.tickTimes.slice(times).sort((x, y) => x - y);
    const median = (times: number[]) => times.sort((x, y) => x - y)[Math.floor(times.length / 2)] ?? 0;
    return { perSecond: ((b.ticks - ticks) * 1000) / elapsed, median: own[Math.floor(own.length / 2)],
      p95: own[Math.floor(own.length * 0.95)], noiseMaps: mapTimes["0"].length, noiseMap: median(mapTimes["0"]),
      thresholdMaps: mapTimes["1"].length, thresholdMap: median(mapTimes["1"]) };
  }, [seconds * 1000, withMap] as const);
  return `${result.perSecond.toFixed(2)} ticks per second; a tick's time on the page's thread: median `
    + `${result.median.toFixed(1)} ms, 95th percentile ${result.p95.toFixed(1)} ms`
    + (withMap ? `; maps computed meanwhile: ${result.noiseMaps} of the noise (median ${result.noiseMap.toFixed(0)} ms from `
      + `the request to the picture), ${result.thresholdMaps} of the threshold (median ${result.thresholdMap.toFixed(0)} ms)` : "");
}

async function main(): Promise<void> {
  const args = process.argv.slice(2);
  const [url, seconds = "10"] = args.filter((a) => !a.startsWith("--"));
  const firefox = args.includes("--firefox"), withMap = args.includes("--map");
  const what = `noise 30, tilted view${withMap ? ", the map computing" : ""}, ${seconds} s`;
  if (firefox) {
    const browser = await launchFirefox(false);
    try {
      const page = await browser.newPage();
      await page.goto(url);
      console.log(`Firefox, ${what}: ${await measure(puppeteerDriver(page, "Firefox", true), Number(seconds), withMap)}`);
    } finally {
      await browser.close();
    }
    return;
  }
  const profile = mkdtempSync(join(tmpdir(), "brenvik-bench-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium", args: kChromiumFlags, locale: "ru-RU", viewport: { width: 1300, height: 900 },
  });
  try {
    const page = await context.newPage();
    await page.goto(url);
    console.log(`headless Chromium, ${what}: ${await measure(playwrightDriver(page, "Chromium", true), Number(seconds), withMap)}`);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

void main();
