// Zubrik: the service worker: every file of one version of the page, kept in one cache, served from it first.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The build writes the list of files and their SHA-256 below, and names the
// cache by a hash of them all: a new version is a new worker with a cache of
// its own, filled whole before it can take over. So a page never runs one
// version's script with another version's program. Nothing else is cached.
'use strict';

const scope = new URL(self.registration.scope);
// Several copies of the game on one origin keep apart by where they live.
const prefix = 'zubrik ' + scope.pathname + ' ';
const cacheName = prefix + '@ZUBRIK_CACHE_VERSION@';
const files = @ZUBRIK_PRECACHE@;
const urlOf = (path) => new URL(path, scope).href;

async function sha256(buffer) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', buffer));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, '0')).join('');
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    // Past the HTTP cache, and each checked against this version's hash: a
    // server halfway through an upload fails the install (the browser tries
    // again later) rather than mixing two versions in one cache.
    const fetched = await Promise.all(Object.entries(files).map(async ([path, hash]) => {
      const response = await fetch(urlOf(path), { cache: 'no-store' });
      if (!response.ok) throw new Error(`${path}: HTTP ${response.status}`);
      const body = await response.arrayBuffer();
      if ((await sha256(body)) !== hash) throw new Error(`${path} is not the file of this version`);
      // Kept as a response of its own, with only its type: one that a host
      // redirected (index.html to its folder, say) may not answer a page
      // load, and the body is already decoded.
      const type = response.headers.get('Content-Type');
      return [path, new Response(body, { headers: type ? { 'Content-Type': type } : {} })];
    }));
    const cache = await caches.open(cacheName);
    try {
      await Promise.all(fetched.map(([path, response]) => cache.put(urlOf(path), response)));
    } catch (error) {
      await caches.delete(cacheName);
      throw error;
    }
  })());
});

// Only once no page of the old version is open (no skipWaiting): its pages
// read the old cache to the end.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith(prefix) && name !== cacheName)
    .map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const url = new URL(request.url);
  const place = url.origin + url.pathname;
  if (!place.startsWith(scope.href)) return;
  // The page under its folder's address, whatever its query (the game reads
  // none, but a link may carry one).
  const path = place === scope.href ? 'index.html' : place.slice(scope.href.length);
  if (!Object.prototype.hasOwnProperty.call(files, path)) return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(urlOf(path)))
    .then((cached) => cached || fetch(request)));
});
