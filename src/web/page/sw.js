// Keeps the page working offline and quick on a network that accepts but
// never answers: every file comes from the cache at once, and the network's
// copy, when it arrives, replaces it for the next visit. The cache's name
// carries its version; a new version removes the older caches once it takes
// over, so they never mix.
'use strict';
const VERSION = 3;
const PREFIX = 'zemprog-web-';
const CACHE = PREFIX + VERSION;
// The page's texts in each language it speaks are kept too, so a language
// chosen offline is there.
const LANGUAGES = ['zh_CN', 'zh_TW', 'es', 'pt_BR', 'ru', 'uk', 'de', 'fr', 'it', 'ja', 'pl', 'ar'];
const FILES = ['./', 'index.html', 'style.css', 'texts.js', 'serial.js', 'dialogs.js', 'app.js', 'zem.js', 'zem.wasm', 'manifest.webmanifest',
               'key_picture.png', 'key_picture@2x.png', 'icons/zemprog-32.png', 'icons/zemprog-128.png', 'icons/zemprog-256.png',
               'icons/zemprog.svg', ...LANGUAGES.map(code => `translations/zemprog_${code}.json`)];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => event.waitUntil(
  caches.keys()
    .then(names => Promise.all(names.filter(name => name.startsWith(PREFIX) && name !== CACHE)
                                    .map(name => caches.delete(name))))
    .then(() => self.clients.claim())));

// The network's copy of a file, kept in the cache when it is good.
function update(request) {
  return fetch(request).then(response => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then(cache => cache.put(request, copy));
    }
    return response;
  });
}

self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE).then(cache => cache.match(request, {ignoreSearch: true})).then(cached => {
    const fresh = update(request);
    if (!cached) return fresh;
    event.waitUntil(fresh.catch(() => {}));
    return cached;
  }));
});
