// Keeps the page working offline: every file is fetched from the network
// first, so a new build shows at once, and from the cache when offline.
'use strict';
const CACHE = 'zemprog-web';
const FILES = ['./', 'index.html', 'style.css', 'serial.js', 'dialogs.js', 'app.js', 'zem.js', 'zem.wasm', 'manifest.webmanifest',
               'key_picture.png', 'key_picture@2x.png', 'icons/zemprog-32.png', 'icons/zemprog-128.png', 'icons/zemprog-256.png',
               'icons/zemprog.svg'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fetch(request).then(response => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then(cache => cache.put(request, copy));
    }
    return response;
  }).catch(() => caches.match(request, {ignoreSearch: true})));
});
