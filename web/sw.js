// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site's files, so that after the first visit the page works
// offline. A new build has a new cache, and the old one goes.
"use strict";
const cacheName = "zarandola-@SITE_VERSION@";
const files = ["./", "index.html", "site.js", "qtloader.js", "zarandola.js", "zarandola.wasm",
               "manifest.webmanifest", "icon-32.png", "icon-192.png", "icon-512.png"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
