// Debian's Firefox ESR as the tests and the benchmark run it: Puppeteer over WebDriver
// BiDi, a fresh profile in Russian, in a window (on Xvfb's display) or headless, with
// WebGL or with it switched off.

import puppeteer, { type Browser } from "puppeteer-core";

export function launchFirefox(headless: boolean, webgl = true): Promise<Browser> {
  return puppeteer.launch({
    browser: "firefox",
    executablePath: "/usr/bin/firefox-esr",
    headless,
    defaultViewport: { width: 1300, height: 900 },
    extraPrefsFirefox: { "intl.accept_languages": "ru-RU, ru", "intl.locale.requested": "ru-RU", "webgl.disabled": !webgl },
  });
}
