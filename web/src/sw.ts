// The offline copy: every file of the page is cached when the service worker installs,
// and answered from the cache first, so the lab runs on once loaded, network or not.
// A new build has a new cache name; the old cache is dropped when it takes over.

declare const BRENVIK_CACHE: string;
declare const BRENVIK_FILES: string[];

const worker = self as unknown as ServiceWorkerGlobalScope;

worker.addEventListener("install", (event) => {
  event.waitUntil(caches.open(BRENVIK_CACHE).then((cache) => cache.addAll(BRENVIK_FILES)).then(() => worker.skipWaiting()));
});

worker.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith("brenvik-") && n !== BRENVIK_CACHE).map((n) => caches.delete(n))))
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true }).then((hit) => hit ?? fetch(event.request)));
});
