// Keeps the site for offline use. Every file is stored when the worker
// installs and answered from the store afterwards: a class downloads the
// program once, and keeps working when the connection drops. A new build
// changes this file (the store's name is the build's), so the browser
// installs the new files beside the old and drops the old store.
const CACHE = 'curvista-@CURVISTA_BUILD@';
const FILES = [
  './', 'index.html', 'qtloader.js', 'curvista.js', 'curvista.wasm', 'manifest.webmanifest',
  'curvista.svg', 'curvista-192.png', 'curvista-512.png',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('curvista-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((stored) => stored || fetch(event.request)));
});
