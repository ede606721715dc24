#!/usr/bin/env python3
"""Packs the web site's data and names its build: the files the first picture needs (STAGE) go
into one package, tamberlo-adventure.data, whose index site-files.json gives with the sizes the
page's progress counts and the late sounds the page fetches after the first picture (already in
SITE at their paths in the game's files). Then sw.js is written from its template with the
build's name, a hash of every file of the site, and each file's SHA-256, so that the service
worker caches exactly this build or nothing.
Usage: web-pack.py STAGE SITE SW_TEMPLATE"""
import base64, hashlib, json, os, sys

stage, site, template = sys.argv[1:4]
data_name = 'tamberlo-adventure.data'
wasm_name = 'tamberlo-adventure.wasm'


def files_under(folder):
    found = []
    for parent, _, names in os.walk(folder):
        found += [os.path.relpath(os.path.join(parent, name), folder) for name in names]
    return sorted(found)


# The package: the files one after the other, each found by its start and end.
index = []
with open(os.path.join(site, data_name), 'wb') as package:
    for name in files_under(stage):
        with open(os.path.join(stage, name), 'rb') as file:
            start = package.tell()
            package.write(file.read())
            index.append([name, start, package.tell()])
late = [[name, os.path.getsize(os.path.join(site, name))]
        for name in files_under(site) if name.startswith('sounds/')]
listing = {
    'data': {'name': data_name, 'size': index[-1][2] if index else 0, 'files': index},
    'wasm': {'name': wasm_name, 'size': os.path.getsize(os.path.join(site, wasm_name))},
    'late': late,
}
with open(os.path.join(site, 'site-files.json'), 'w') as out:
    json.dump(listing, out, separators=(',', ':'))

# The service worker: every file but itself, with its integrity, and the build's name.
files = []
whole = hashlib.sha256()
for name in files_under(site):
    if name == 'sw.js':
        continue
    with open(os.path.join(site, name), 'rb') as file:
        digest = hashlib.sha256(file.read()).digest()
    whole.update(name.encode() + b'\0' + digest)
    files.append([name, 'sha256-' + base64.b64encode(digest).decode()])
with open(template) as file:
    worker = file.read()
for placeholder, value in [("const build = 'unbuilt';",
                            "const build = '%s';" % whole.hexdigest()[:16]),
                           ('const files = [];', 'const files = %s;' % json.dumps(files))]:
    if placeholder not in worker:
        sys.exit('web-pack.py: %s lacks the line %s' % (template, placeholder))
    worker = worker.replace(placeholder, value)
with open(os.path.join(site, 'sw.js'), 'w') as out:
    out.write(worker)
print('build %s: %d files; the first package %d bytes, %d late sounds %d bytes' % (
    whole.hexdigest()[:16], len(files), listing['data']['size'], len(late),
    sum(size for _, size in late)))
