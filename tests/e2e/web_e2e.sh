#!/usr/bin/env bash
# The game's web page in Debian's Chromium (tests/web/web_test.mjs): the intro, PLAY and walking,
# full screen and sound, quitting, and the demos replayed in the page to the desktop's ends; the
# maze editor (tests/web/editor_test.mjs) and the autopilot's page (tests/web/autopilot_test.mjs).
# The site is built first from this build's run directory.
# Called as: web_e2e.sh BINARY GAME_DIR SCREENSHOT_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/web-site.sh" "$2"
cd "$root/tests/web"
# The packages are installed again only after the lock file changed; puppeteer-core drives
# /usr/bin/chromium and must never download a browser of its own.
if [[ ! node_modules/.package-lock.json -nt package-lock.json ]]; then
  PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
fi
node --test-reporter=spec web_test.mjs "$root/build-web/site" "$1" "$2" "$3"
node --test-reporter=spec editor_test.mjs "$root/build-web/site"
node --test-reporter=spec autopilot_test.mjs "$root/build-web/site" "$1"
