// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site's files, so that after the first visit the page works
// offline. A new release has a cache of its own, which holds that release
// only: the page and the manifest come from the host past the browser's HTTP
// cache, and every other file's name holds a digest of its content, so the
// copy that the page has just downloaded is the right one. The new release
// takes over at once, and the page it serves from the next load on is new.
"use strict";
const cacheName = "zarandola-@VERSION@";
const files = [@FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName)
    .then((cache) => cache.addAll(files.map((file) =>
      new Request(file, { cache: /\.[0-9a-f]{12}\./.test(file) ? "default" : "reload" }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET") return;
  // The page, under whatever address it was opened.
  const kept = request.mode === "navigate" ? caches.match("./", { cacheName }) : caches.match(request, { cacheName });
  event.respondWith(kept.then((response) => response || fetch(request)));
});
