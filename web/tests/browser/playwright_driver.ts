// PageDriver over a Playwright page (the Chromium runs).

import type { Page } from "playwright-core";
import type { PageDriver } from "./driver";

export function playwrightDriver(page: Page, engine: string, webgl: boolean): PageDriver {
  return {
    engine,
    webgl,
    evaluate: (fn, arg) => page.evaluate(fn as never, arg) as never,
    waitFor: async (fn, arg, timeout) => { await page.waitForFunction(fn as never, arg, { timeout }); },
    focus: (selector) => page.focus(selector),
    click: (selector) => page.click(selector),
    press: (key) => page.keyboard.press(key),
    type: (text) => page.keyboard.type(text),
    moveMouse: (x, y, steps) => page.mouse.move(x, y, { steps }),
    mouseDown: () => page.mouse.down(),
    mouseUp: () => page.mouse.up(),
  };
}
