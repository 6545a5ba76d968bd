// Debian's Chromium as the tests run it: headless, no sandbox (root in a container), no
// GPU, and no traffic of its own (updates, sync, field trials).
export const kChromiumFlags = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync"];
