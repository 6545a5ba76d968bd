// What the shared browser cases need of a browser, the same over Playwright (Chromium)
// and Puppeteer (Firefox over WebDriver BiDi), and the small helpers built on it. A
// function run in the page travels as its source text: it may use only its argument.

export interface PageDriver {
  /** Which engine, and whether the page is to find WebGL 2 there. */
  readonly engine: string;
  readonly webgl: boolean;
  evaluate<R, A>(fn: (arg: A) => R | Promise<R>, arg: A): Promise<R>;
  waitFor<A>(fn: (arg: A) => boolean, arg: A, timeoutMs: number): Promise<void>;
  focus(selector: string): Promise<void>;
  click(selector: string): Promise<void>;
  /** A key pressed on the focused element, e.g. "ArrowRight", "PageUp". */
  press(key: string): Promise<void>;
  type(text: string): Promise<void>;
  moveMouse(x: number, y: number, steps?: number): Promise<void>;
  mouseDown(): Promise<void>;
  mouseUp(): Promise<void>;
}

/** The failures of the cases, counted and told as they come. */
export class Expectations {
  failures = 0;
  constructor(private readonly prefix: string) {}

  expect(condition: boolean, what: string): void {
    if (condition) return;
    ++this.failures;
    console.error(`  FAIL [${this.prefix}] ${what}`);
  }
}

export const text = (d: PageDriver, selector: string) =>
  d.evaluate((s) => document.querySelector(s)?.textContent ?? null, selector);
export const value = (d: PageDriver, selector: string) =>
  d.evaluate((s) => (document.querySelector(s) as HTMLInputElement).value, selector);
export const attribute = (d: PageDriver, selector: string, name: string) =>
  d.evaluate(([s, n]) => document.querySelector(s)!.getAttribute(n), [selector, name] as const);
export const disabled = (d: PageDriver, selector: string) =>
  d.evaluate((s) => (document.querySelector(s) as HTMLInputElement).disabled, selector);
export const hidden = (d: PageDriver, selector: string) =>
  d.evaluate((s) => (document.querySelector(s) as HTMLElement).hidden, selector);

/** Sets a box's or slider's value as pasted text would, with its input event. */
export const fill = (d: PageDriver, selector: string, v: string) =>
  d.evaluate(([s, to]) => {
    const element = document.querySelector(s) as HTMLInputElement | HTMLSelectElement;
    element.value = to;
    element.dispatchEvent(new Event("input", { bubbles: true }));
    element.dispatchEvent(new Event("change", { bubbles: true }));
  }, [selector, v] as const);

export const boundingBox = (d: PageDriver, selector: string) =>
  d.evaluate((s) => {
    const r = document.querySelector(s)!.getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  }, selector);

/** From now on the page's downloads are kept in the page instead of saved: the
 *  browser's own download handling differs between the engines, the file does not. */
export const keepDownloads = (d: PageDriver) =>
  d.evaluate(() => {
    const kept = window as unknown as { keptBlobs: Map<string, Blob>; keptDownloads: { name: string; url: string }[] };
    kept.keptBlobs = new Map();
    kept.keptDownloads = [];
    const createObjectURL = URL.createObjectURL.bind(URL);
    URL.createObjectURL = (blob: Blob | MediaSource) => {
      const url = createObjectURL(blob);
      if (blob instanceof Blob) kept.keptBlobs.set(url, blob);
      return url;
    };
    HTMLAnchorElement.prototype.click = function (this: HTMLAnchorElement) {
      kept.keptDownloads.push({ name: this.download, url: this.href });
    };
  }, undefined);

/** The downloads kept since keepDownloads, each with its bytes. */
export const keptDownloads = (d: PageDriver) =>
  d.evaluate(async () => {
    const kept = window as unknown as { keptBlobs: Map<string, Blob>; keptDownloads: { name: string; url: string }[] };
    const files = [];
    for (const { name, url } of kept.keptDownloads)
      files.push({ name, bytes: Array.from(new Uint8Array(await kept.keptBlobs.get(url)!.arrayBuffer())) });
    return files;
  }, undefined);
