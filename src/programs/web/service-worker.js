// Keeps the site's own files, so that after one visit the page opens and
// calculates with no network. The network comes first: each file fetched
// replaces the kept copy, so a new version takes over on the next visit, and
// the kept copy serves only when the network fails. Nothing of the user's is
// kept: only these files, from this site.
"use strict";

const version = "tavro-1.00-1";
const files = [
  "./",
  "index.html",
  "style.css",
  "start.js",
  "tavro.js",
  "tavro.wasm",
  "manifest.webmanifest",
  "icons/icon-192.png",
  "icons/icon-512.png",
  "pictures/icon-16.png",
  "pictures/icon-32.png",
  "pictures/pencil.png",
  "pictures/pencil@2x.png",
];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(version).then((cache) => cache.addAll(files)));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys().then((names) => Promise.all(names.filter((name) => name !== version).map((name) => caches.delete(name)))),
  );
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    fetch(request)
      .then((response) => {
        if (response.ok) {
          const copy = response.clone();
          caches.open(version).then((cache) => cache.put(request, copy));
        }
        return response;
      })
      .catch(() => caches.match(request, { ignoreSearch: true }).then((kept) => kept ?? Response.error())),
  );
});
