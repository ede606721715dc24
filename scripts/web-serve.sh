#!/usr/bin/env bash
# Serves a folder (by default the web site, build-web/site/) on http://127.0.0.1:8000/, or the
# next free port, until interrupted.
#   web-serve.sh [FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
site=$(cd "${1:-$root/build-web/site}" && pwd)
exec python3 - "$site" <<'PYTHON'
import functools, http.server, sys
class Handler(http.server.SimpleHTTPRequestHandler):
    # Browsers compile WebAssembly while it downloads only when it comes with its own type.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm'}
handler = functools.partial(Handler, directory=sys.argv[1])
for port in range(8000, 8100):
    try:
        server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
        break
    except OSError:
        continue
else:
    sys.exit('no free port between 8000 and 8099')
print(f'Tamberlo Adventure is served on http://127.0.0.1:{port}/ (Ctrl+C stops)', flush=True)
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
PYTHON
