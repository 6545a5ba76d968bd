// The shared cases (shared_cases.ts) in Debian's Firefox ESR, driven by Puppeteer over
// WebDriver BiDi:   xvfb-run -a node firefox_test.js URL NATIVE_BRENVIK_CLI
// Twice: in a window on the X display, where Firefox draws WebGL 2, and headless with
// WebGL switched off (headless Firefox has WebGL only where it finds a display), the
// page's run without its view. Each case on a fresh page of the same Russian profile;
// any console error fails the run.

import { execFileSync } from "node:child_process";
import { Expectations } from "./driver";
import { launchFirefox } from "./firefox_launch";
import "./page_state";
import { puppeteerDriver } from "./puppeteer_driver";
import { type SharedContext, sharedCases } from "./shared_cases";

const [url, nativeCli] = process.argv.slice(2);
if (!url || !nativeCli) {
  console.error("usage: node firefox_test.js URL NATIVE_BRENVIK_CLI");
  process.exit(2);
}

const consoleErrors: string[] = [];
let failures = 0;

const nativeMaps = new Map<string, string>();
const sharedContext: SharedContext = {
  nativeMap(args) {
    const key = args.join(" ");
    if (!nativeMaps.has(key)) nativeMaps.set(key, execFileSync(nativeCli, ["map", "--threads", "1", ...args], { encoding: "utf8" }));
    return nativeMaps.get(key)!;
  },
};

async function runSharedCases(label: string, headless: boolean, webgl: boolean): Promise<void> {
  const x = new Expectations(label);
  const browser = await launchFirefox(headless, webgl);
  try {
    for (const [name, run] of sharedCases) {
      console.log(`browser (${label}): ${name}`);
      const page = await browser.newPage();
      page.on("console", (m) => { if (m.type() === "error") consoleErrors.push(`${label}: ${m.text()}`); });
      page.on("pageerror", (e) => consoleErrors.push(`${label}: ${e instanceof Error ? e.message : String(e)}`));
      await page.goto(url);
      await page.waitForFunction(() => (window.brenvik?.ticks ?? 0) > 3, { timeout: 30_000 });
      await run(puppeteerDriver(page, label, webgl), x, sharedContext);
      await page.close();
    }
  } finally {
    await browser.close();
  }
  failures += x.failures;
}

async function main(): Promise<void> {
  await runSharedCases("Firefox", false, true);
  await runSharedCases("Firefox headless, WebGL switched off", true, false);
  if (consoleErrors.length > 0) {
    ++failures;
    console.error(`  FAIL console errors: ${consoleErrors.join(" | ")}`);
  }
  console.log(failures === 0 ? "firefox: all passed" : `firefox: ${failures} failed`);
  process.exit(failures === 0 ? 0 : 1);
}

main().catch((error: unknown) => {
  console.error(error);
  process.exit(1);
});
