// Serves web/dist/ on localhost with the headers a lab's web server should send (see
// docs/web-hosting.md): a Content-Security-Policy that allows only the page's own files
// and its WebAssembly, the right types, no caching of the service worker itself.
//   node serve.mjs [PORT]      (0 or nothing: any free port)
// Prints http://localhost:PORT/ once it listens.

import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { dirname, extname, join, normalize } from "node:path";
import { fileURLToPath } from "node:url";

const dist = join(dirname(fileURLToPath(import.meta.url)), "dist");

export const kContentSecurityPolicy = [
  "default-src 'self'",
  "script-src 'self' 'wasm-unsafe-eval'",
  "style-src 'self'",
  "img-src 'self' blob: data:",
  "media-src 'self'",
  "connect-src 'self'",
  "worker-src 'self'",
  "manifest-src 'self'",
  "object-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
  "frame-ancestors 'none'",
].join("; ");

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
  ".wav": "audio/wav",
};

/** The request's path, or undefined when it cannot be read (a malformed escape such as "%E0%A4%A"). */
function requestedPath(url) {
  try {
    return decodeURIComponent(new URL(url ?? "/", "http://localhost").pathname);
  } catch (error) {
    if (error instanceof URIError || error instanceof TypeError) return undefined;
    throw error;
  }
}

const server = createServer(async (request, response) => {
  const path = requestedPath(request.url);
  if (path === undefined) {
    response.writeHead(400, { "Content-Type": "text/plain" }).end("bad request\n");
    return;
  }
  const file = normalize(join(dist, path.endsWith("/") ? `${path}index.html` : path));
  if (!file.startsWith(dist)) {
    response.writeHead(403).end();
    return;
  }
  try {
    const body = await readFile(file);
    response.writeHead(200, {
      "Content-Type": kTypes[extname(file)] ?? "application/octet-stream",
      "Content-Security-Policy": kContentSecurityPolicy,
      "X-Content-Type-Options": "nosniff",
      "Referrer-Policy": "no-referrer",
      "Cache-Control": file.endsWith("sw.js") ? "no-cache" : "public, max-age=300",
    });
    response.end(body);
  } catch (error) {
    if (error.code !== "ENOENT" && error.code !== "EISDIR") throw error;
    response.writeHead(404, { "Content-Type": "text/plain" }).end("not found\n");
  }
});

server.listen(Number(process.argv[2] ?? 0), "127.0.0.1", () => {
  console.log(`http://localhost:${server.address().port}/`);
});
