// Builds the page into web/dist/ (plain static files) and the tests into web/build-test/:
//   node build.mjs WASM_BUILD_DIR
// WASM_BUILD_DIR holds brenvik_model.js and brenvik_model.wasm (web/wasm, built with
// Emscripten). The English texts come from translations/brenvik_en.ts, the About text,
// the pictures and the music from resources/, so that the page says and shows what the
// desktop program does.

import { build } from "esbuild";
import { createHash } from "node:crypto";
import { copyFileSync, existsSync, mkdirSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from "node:fs";
import { basename, dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, "..");
const wasmDir = process.argv[2];
if (!wasmDir) {
  console.error("usage: node build.mjs WASM_BUILD_DIR");
  process.exit(2);
}
const dist = join(here, "dist");
const testOut = join(here, "build-test");

/** Source text → English translation, from the desktop program's translation file. */
function englishTexts() {
  const xml = readFileSync(join(root, "translations", "brenvik_en.ts"), "utf8");
  const unescape = (s) =>
    s.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, '"').replace(/&apos;/g, "'").replace(/&amp;/g, "&");
  const texts = {};
  for (const [, source, translation] of xml.matchAll(/<source>([\s\S]*?)<\/source>\s*<translation[^>]*>([\s\S]*?)<\/translation>/g))
    texts[unescape(source)] = unescape(translation);
  return texts;
}

rmSync(dist, { recursive: true, force: true });
mkdirSync(dist, { recursive: true });

const english = englishTexts();
const aboutText = Object.keys(english).find((source) => source.startsWith("Привет, исследователь"));
if (!aboutText) throw new Error("the About box's text is not in translations/brenvik_en.ts");
const common = { bundle: true, minify: true, target: "es2020", logLevel: "warning" };
await build({
  ...common,
  entryPoints: [join(here, "src", "main.ts")],
  outfile: join(dist, "app.js"),
  format: "iife",
  define: { BRENVIK_ENGLISH: JSON.stringify(english), BRENVIK_ABOUT: JSON.stringify(aboutText) },
});
// The probability map's worker: a module of its own beside the page's.
await build({ ...common, entryPoints: [join(here, "src", "map_worker.ts")], outfile: join(dist, "map_worker.js"), format: "iife" });

const statics = [
  [join(here, "src", "index.html"), "index.html"],
  [join(here, "src", "style.css"), "style.css"],
  [join(here, "src", "manifest.webmanifest"), "manifest.webmanifest"],
  [join(wasmDir, "brenvik_model.js"), "brenvik_model.js"],
  [join(wasmDir, "brenvik_model.wasm"), "brenvik_model.wasm"],
  [join(root, "resources", "icons", "32.png"), "icon-32.png"],
  [join(root, "resources", "icons", "256.png"), "icon-256.png"],
  [join(root, "resources", "icons", "512.png"), "icon-512.png"],
  [join(root, "resources", "help.png"), "help.png"],
  [join(root, "resources", "photos.png"), "photos.png"],
  [join(root, "resources", "close.png"), "close.png"],
  [join(root, "resources", "program_icon.png"), "program_icon.png"],
  [join(root, "resources", "jungle.wav"), "jungle.wav"],
];
for (const [from, to] of statics) copyFileSync(from, join(dist, to));

// The service worker caches every file of the page; its cache is named after their
// contents, so a new build replaces the old cache.
const files = readdirSync(dist).filter((f) => statSync(join(dist, f)).isFile()).sort();
const hash = createHash("sha256");
for (const f of files) hash.update(f).update(readFileSync(join(dist, f)));
await build({
  ...common,
  entryPoints: [join(here, "src", "sw.ts")],
  outfile: join(dist, "sw.js"),
  format: "iife",
  define: {
    BRENVIK_CACHE: JSON.stringify(`brenvik-${hash.digest("hex").slice(0, 16)}`),
    BRENVIK_FILES: JSON.stringify(["./", ...files]),
  },
});

// The tests: the model check under Node, the browser tests for Playwright and Puppeteer.
rmSync(testOut, { recursive: true, force: true });
for (const name of ["node/model_check", "browser/page_test", "browser/firefox_test", "browser/tick_bench", "node/frame_bench"].filter((n) => existsSync(join(here, "tests", `${n}.ts`)))) {
  await build({
    bundle: true,
    platform: "node",
    format: "cjs",
    target: "node18",
    logLevel: "warning",
    entryPoints: [join(here, "tests", `${name}.ts`)],
    outfile: join(testOut, `${basename(name)}.js`),
    external: ["playwright-core", "puppeteer-core"],
  });
}
console.log(`web: built ${files.length + 1} files into ${dist}`);
