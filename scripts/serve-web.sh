#!/usr/bin/env bash
# Zubrik: serves the game's page (build-web/) on this machine, for a player's browser.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: serve-web.sh [FOLDER] [PORT]   (build-web and 8000 unless given; a
# port already taken gives the next free one). Only this machine can reach it
# (127.0.0.1). Ctrl+C stops it.
set -euo pipefail

folder=${1:-build-web}
port=${2:-8000}
if [[ ! -f "$folder/index.html" ]]; then
  echo "serve-web.sh: no page in $folder/ (run make web first)" >&2
  exit 1
fi
# The WebAssembly must go out as application/wasm and the manifest as
# application/manifest+json, which Python's server is told.
exec python3 - "$folder" "$port" <<'PY'
import functools, http.server, socketserver, sys

folder, port = sys.argv[1], int(sys.argv[2])
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
http.server.SimpleHTTPRequestHandler.extensions_map[".wasm"] = "application/wasm"
http.server.SimpleHTTPRequestHandler.extensions_map[".webmanifest"] = "application/manifest+json"
for candidate in range(port, port + 50):
    try:
        server = socketserver.TCPServer(("127.0.0.1", candidate), handler)
        break
    except OSError:
        continue
else:
    sys.exit(f"serve-web.sh: no free port from {port} to {port + 49}")
print(f"Zubrik is served from {folder}/: open http://127.0.0.1:{candidate}/ in a browser (Ctrl+C stops).",
      flush=True)
with server:
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
PY
