// PageDriver over a Puppeteer page (the Firefox runs, over WebDriver BiDi).

import type { KeyInput, Page } from "puppeteer-core";
import type { PageDriver } from "./driver";

export function puppeteerDriver(page: Page, engine: string, webgl: boolean): PageDriver {
  return {
    engine,
    webgl,
    evaluate: (fn, arg) => page.evaluate(fn as never, arg) as never,
    waitFor: async (fn, arg, timeout) => { await page.waitForFunction(fn as never, { timeout }, arg); },
    focus: (selector) => page.focus(selector),
    click: (selector) => page.click(selector),
    press: (key) => page.keyboard.press(key as KeyInput),
    type: (text) => page.keyboard.type(text),
    moveMouse: (x, y, steps) => page.mouse.move(x, y, { steps }),
    mouseDown: () => page.mouse.down(),
    mouseUp: () => page.mouse.up(),
  };
}
