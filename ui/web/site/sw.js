'use strict';
// Keeps the page's files for use offline; the page itself fetches nothing else. The cache's name
// changes with every build, and the old one is dropped when the new worker takes over.
const CACHE = 'gb18306-@VERSION@';
const FILES = ['./', 'index.html', 'style.css', 'app.js', 'batch-worker.js', 'gb18306.js',
  'icon.svg', 'manifest.webmanifest'];

self.addEventListener('install', (event) => {
  // Past the browser's own cache, which may still hold the files of the build before.
  const fresh = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((hit) => hit || fetch(event.request)));
});
