// Zubrik: the page as an app: its service worker (service_worker.js) keeps every file of this version for offline play.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Service workers run only where the page is a secure context (HTTPS, or
// localhost) and the browser offers them; anywhere else (file://, plain http
// on another host, storage disabled, where touching them throws) the page
// plays from the network as before, without a word.
'use strict';

(function () {
  let workers = null;
  try {
    if (window.isSecureContext && 'serviceWorker' in navigator) workers = navigator.serviceWorker;
  } catch (refused) {
    return;
  }
  if (!workers) return;
  // After the load: fetching every file for the cache must not slow the first frame.
  window.addEventListener('load', () => {
    try {
      workers.register('service_worker.js', { updateViaCache: 'none' }).catch(() => {});
    } catch (refused) {
      // As above: the page works as a plain page.
    }
  });
})();
