// Zubrik: a static server of the tests' own for a built site folder, on 127.0.0.1 at a port the system picks.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.woff2': 'font/woff2',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves `root`; with gzip, compresses what a client accepts so, as a static
// host would; with redirectIndex, sends …/index.html on to its folder, as
// some hosts do. Resolves to { url, close() }; `served` counts the bytes sent per path.
function serve(root, { gzip = false, redirectIndex = false } = {}) {
  const base = path.resolve(root);
  const served = new Map();
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (redirectIndex && name.endsWith('/index.html')) {
      response.writeHead(301, { Location: name.slice(0, -'index.html'.length) }).end();
      return;
    }
    const file = path.join(base, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(base + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    let body = fs.readFileSync(file);
    const headers = { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                      'Cache-Control': 'no-store' };
    if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      body = zlib.gzipSync(body);
      headers['Content-Encoding'] = 'gzip';
    }
    headers['Content-Length'] = body.length;
    served.set(name, body.length);
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        served,
        close: () => new Promise((done) => { server.closeAllConnections(); server.close(done); }),
      });
    });
  });
}

module.exports = { serve };
