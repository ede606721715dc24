#!/usr/bin/env bash
# Figures of the web page as built in build-web/site/ (scripts/web-site.sh; nothing is built
# here), served by scripts/web-serve.sh and measured in Debian's Chromium, each as
# min / median / max of RUNS runs (5 by default):
#   - the first intro picture from the local server and under emulated 4G (9 Mbit/s, 40 ms)
#     and slow 3G (1.6 Mbit/s, 150 ms), and the bytes fetched before it (bench/
#     web_first_picture.mjs says what counts as that picture);
#   - Lighthouse 12's mobile scores (performance, best practices, accessibility) with its
#     first contentful paint and total blocking time. Lighthouse is installed by npm into
#     build-web/lighthouse/ the first time.
#   bench/web.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-5}
site=$root/build-web/site
work=$root/build-web/bench
if [[ ! -f "$site/index.html" ]]; then
  echo "no site in $site: run scripts/web-site.sh first" >&2
  exit 1
fi
[[ -d "$root/tests/web/node_modules/puppeteer-core" ]] ||
  (cd "$root/tests/web" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
lighthouse=$root/build-web/lighthouse
if [[ ! -x "$lighthouse/node_modules/.bin/lighthouse" ]]; then
  mkdir -p "$lighthouse"
  npm install --prefix "$lighthouse" --no-audit --no-fund --no-save lighthouse@12
fi

rm -rf "$work"
mkdir -p "$work"
"$root/scripts/web-serve.sh" "$site" >"$work/server.txt" &
server=$!
trap 'kill "$server"' EXIT
until url=$(grep -so 'http://[0-9.:]*/' "$work/server.txt"); do sleep 0.1; done

node "$root/bench/web_first_picture.mjs" "$url" "$runs" >"$work/first-picture.jsonl"
for run in $(seq "$runs"); do
  # Each run in a fresh profile of its own, as Lighthouse always does.
  CHROME_PATH=/usr/bin/chromium "$lighthouse/node_modules/.bin/lighthouse" "$url" --quiet \
    --only-categories=performance,best-practices,accessibility --output=json \
    --output-path="$work/lighthouse-$run.json" \
    --chrome-flags="--headless=new --no-sandbox --disable-dev-shm-usage"
done

node - "$work" "$runs" <<'NODE'
const fs = require('fs');
const [work, runs] = process.argv.slice(2);
const spread = (values, format) => {
  const sorted = [...values].sort((a, b) => a - b);
  return [sorted[0], sorted[Math.floor(sorted.length / 2)], sorted.at(-1)].map(format).join(' / ');
};
const seconds = (value) => value.toFixed(2) + ' s';
const measured = fs.readFileSync(`${work}/first-picture.jsonl`, 'utf8').trim().split('\n')
  .map((line) => JSON.parse(line));
console.log(`Web page, min / median / max of ${runs} runs`);
for (const network of ['local', '4G', '3G']) {
  const mine = measured.filter((run) => run.network === network);
  const megabytes = (bytes) => (bytes / 1e6).toFixed(2) + ' MB';
  console.log(`first intro picture, ${network.padEnd(5)} ` +
    `${spread(mine.map((r) => r.seconds), seconds)}   fetched before it ` +
    spread(mine.map((r) => r.bytes), megabytes));
}
const reports = Array.from({ length: Number(runs) },
  (_, i) => JSON.parse(fs.readFileSync(`${work}/lighthouse-${i + 1}.json`, 'utf8')));
for (const category of ['performance', 'best-practices', 'accessibility']) {
  console.log(`Lighthouse mobile ${category.padEnd(15)} ` +
    spread(reports.map((r) => Math.round(r.categories[category].score * 100)), String));
}
for (const [audit, format] of [['first-contentful-paint', (ms) => seconds(ms / 1000)],
  ['largest-contentful-paint', (ms) => seconds(ms / 1000)],
  ['total-blocking-time', (ms) => Math.round(ms) + ' ms'],
  ['speed-index', (ms) => seconds(ms / 1000)]]) {
  console.log(`Lighthouse mobile ${audit.padEnd(22)} ` +
    spread(reports.map((r) => r.audits[audit].numericValue), format));
}
// The audits that weigh in the two other scores and missed full marks in some run.
const failed = new Set(reports.flatMap((r) => ['best-practices', 'accessibility']
  .flatMap((c) => r.categories[c].auditRefs.filter((ref) => ref.weight > 0))
  .filter((ref) => r.audits[ref.id].score !== null && r.audits[ref.id].score < 1)
  .map((ref) => ref.id)));
console.log('best practices and accessibility audits below full marks in a run: ' +
  ([...failed].join(', ') || 'none'));
NODE
