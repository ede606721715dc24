#!/usr/bin/env bash
# Serves a folder (by default the web site, build-web/site/) on http://127.0.0.1:8000/, or the
# next free port, until interrupted, as a static host should: each file with its type and
# length, the .br or .gz made beside it when the browser takes that encoding, and validators
# (ETag, Last-Modified) with no-cache, so that the browser asks again and gets "not modified".
# The browser tests and the bench serve the site with it too.
#   web-serve.sh [FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
site=$(cd "${1:-$root/build-web/site}" && pwd)
exec python3 - "$site" <<'PYTHON'
import email.utils, functools, http.server, os, sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # Browsers compile WebAssembly while it downloads only when it comes with its own type.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.json': 'application/json', '.webmanifest': 'application/manifest+json',
                      '.data': 'application/octet-stream', '.ttf': 'font/ttf',
                      '.wav': 'audio/wav', '.ogg': 'audio/ogg'}
    # The encodings made beside the files, the better one first.
    encodings = [('br', '.br'), ('gzip', '.gz')]

    def accepted(self):
        weights = {}
        for part in self.headers.get('Accept-Encoding', '').split(','):
            name, *params = [item.strip() for item in part.split(';')]
            weight = 1.0
            for param in params:
                key, _, value = param.partition('=')
                if key.strip() == 'q':
                    try:
                        weight = float(value)
                    except ValueError:
                        weight = 0.0
            if name:
                weights[name.lower()] = weight
        return {name for name, _ in self.encodings
                if weights.get(name, weights.get('*', 0.0)) > 0}

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            if not self.path.split('?')[0].endswith('/'):
                return super().send_head()
            path = os.path.join(path, 'index.html')
        if not os.path.isfile(path):
            self.send_error(404)
            return None
        accepted = self.accepted()
        variants = [(name, path + suffix) for name, suffix in self.encodings
                    if os.path.isfile(path + suffix)]
        encoding, file = next(((name, variant) for name, variant in variants
                               if name in accepted), (None, path))
        stat = os.stat(file)
        tag = '"%x-%x%s"' % (stat.st_mtime_ns, stat.st_size, '-' + encoding if encoding else '')
        headers = [('ETag', tag), ('Cache-Control', 'no-cache'),
                   ('Last-Modified', email.utils.formatdate(stat.st_mtime, usegmt=True))]
        if variants:
            headers.append(('Vary', 'Accept-Encoding'))
        if tag in [item.strip() for item in self.headers.get('If-None-Match', '').split(',')]:
            self.send_response(304)
            for header in headers:
                self.send_header(*header)
            self.end_headers()
            return None
        body = open(file, 'rb')
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(path))
        self.send_header('Content-Length', str(stat.st_size))
        if encoding:
            self.send_header('Content-Encoding', encoding)
        for header in headers:
            self.send_header(*header)
        self.end_headers()
        return body

    def log_message(self, *arguments):
        pass


class Server(http.server.ThreadingHTTPServer):
    # A browser that no longer wants a file closes its connection in the middle: no problem.
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


handler = functools.partial(Handler, directory=sys.argv[1])
for port in range(8000, 8100):
    try:
        server = Server(('127.0.0.1', port), handler)
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
