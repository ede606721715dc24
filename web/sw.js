// The service worker: keeps the whole site of one build (the page, the game, its data and every
// late sound) so that after one visit the game opens and plays with no network.
'use strict';

// Written by scripts/web-site.sh: the build's name (a hash of all its files) and every file of
// the site with its SHA-256.
const build = 'unbuilt';
const files = [];
const cacheName = 'tamberlo-' + build;

// The whole build or nothing: every file is fetched past the HTTP cache unless the server says
// it is current, and the browser checks it against its hash, so a file of another build (the
// server updated meanwhile) fails the install. The cache is filled only once all have arrived.
self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const responses = await Promise.all(files.map(async ([name, integrity]) => {
      const response = await fetch(name, { cache: 'no-cache', integrity });
      if (!response.ok) throw new Error(`${name}: HTTP ${response.status}`);
      return [name, response];
    }));
    const cache = await caches.open(cacheName);
    try {
      await Promise.all(responses.map(([name, response]) => cache.put(name, response)));
    } catch (error) {
      await caches.delete(cacheName);
      throw error;
    }
  })());
});

// The builds before this one go once this one takes over.
self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('tamberlo-') && name !== cacheName) await caches.delete(name);
    }
  })());
});

// A page still running the build before waits for this one until it holds all its files, then
// lets it take over (page.js): until then it is served its own build's files.
self.addEventListener('message', (event) => {
  if (event.data === 'take over') self.skipWaiting();
});

// The site's files come from the cache; a page of the site opens whatever its query
// (index.html?replay=NAME), and the site's own address as index.html. Anything else (a demo to
// replay) goes to the network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) return;
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    const cached = request.mode === 'navigate'
      ? (await cache.match(request, { ignoreSearch: true })) || (await cache.match('index.html'))
      : await cache.match(request);
    return cached || fetch(request);
  })());
});
