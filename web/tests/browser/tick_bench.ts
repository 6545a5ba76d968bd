// Ticks per second of the page in Debian's Chromium, headless (software WebGL), with
// white noise at level 30 in a view tilted 60° about X, as the desktop program's tick
// benchmark drives its main window:   node tick_bench.js URL [SECONDS]
// Reports the ticks per second that the 35 ms timer made (at most 28.57) and the
// median and 95th percentile of a tick's time on the page's thread (model, sweep step
// and the drawing calls).

import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";
import { kChromiumFlags } from "./chromium_flags";
import "./page_state";


async function main(): Promise<void> {
  const [url, seconds = "10"] = process.argv.slice(2);
  const profile = mkdtempSync(join(tmpdir(), "brenvik-bench-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium", args: kChromiumFlags, locale: "ru-RU", viewport: { width: 1300, height: 900 },
  });
  try {
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForFunction(() => (window.brenvik?.ticks ?? 0) > 3);
    await page.check("#CheckBox1");
    await page.fill("#TrackBar5", "30");
    await page.fill("#TrackBar6", "60");
    await page.waitForTimeout(1000);
    const result = await page.evaluate(async (ms) => {
      const b = window.brenvik!;
      const ticks = b.ticks, times = b.tickTimes.length;
      const start = performance.now();
      await new Promise((resolve) => setTimeout(resolve, ms));
      const elapsed = performance.now() - start;
      const own = b.tickTimes.slice(times).sort((x, y) => x - y);
      return { perSecond: ((b.ticks - ticks) * 1000) / elapsed, median: own[Math.floor(own.length / 2)], p95: own[Math.floor(own.length * 0.95)] };
    }, Number(seconds) * 1000);
    console.log(`headless Chromium, noise 30, tilted view, ${seconds} s: ${result.perSecond.toFixed(2)} ticks per second; `
      + `a tick's time on the page's thread: median ${result.median.toFixed(1)} ms, 95th percentile ${result.p95.toFixed(1)} ms`);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

void main();
