// The web page's time to its first intro picture and the bytes it fetched by then, in Debian's
// Chromium driven by puppeteer-core: each run in a fresh profile with the HTTP cache off and the
// service worker bypassed, from the local server and under emulated 4G and slow 3G.
// The first intro picture is the first present of the game's screen (the page's putImageData on
// the game's canvas) whose pixels match the desktop's intro (docs/intro.png) in 90 % of the
// title area above the menu; its time counts from the start of the navigation.
// Usage: node web_first_picture.mjs URL RUNS [NETWORK...]   (one JSON line per run; by default
// on every network below)
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const require = createRequire(path.join(repo, 'tests/web/package.json'));
const puppeteer = require('puppeteer-core');
const [url, runs, ...chosen] = [process.argv[2], Number(process.argv[3] || 5),
  ...process.argv.slice(4)];
const introPng = fs.readFileSync(path.join(repo, 'docs/intro.png')).toString('base64');

// Throughputs in bytes a second and latencies in milliseconds, as DevTools emulates them.
const networks = {
  local: null,
  '4G': { latency: 40, downloadThroughput: 9e6 / 8, uploadThroughput: 3e6 / 8 },
  '3G': { latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8 },
};

// In the page before its own scripts: the desktop's intro decoded, and every present of the
// game's screen compared with it (one pixel in 16) until one matches.
function watchForIntro(png) {
  const want = (async () => {
    const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
    const picture = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const context = new OffscreenCanvas(800, 600).getContext('2d');
    context.drawImage(picture, 0, 0);
    return context.getImageData(0, 0, 800, 335).data;
  })();
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (image, ...rest) {
    const at = performance.now();
    const result = put.call(this, image, ...rest);
    if (this.canvas.id === 'canvas' && window.introShownAt === undefined && image.width === 800) {
      const got = image.data.slice(0, 800 * 335 * 4);
      want.then((pixels) => {
        let alike = 0;
        let all = 0;
        for (let y = 0; y < 335; y += 4) {
          for (let x = 0; x < 800; x += 4) {
            const i = (y * 800 + x) * 4;
            all++;
            if ([0, 1, 2].every((c) => Math.abs(got[i + c] - pixels[i + c]) <= 40)) alike++;
          }
        }
        if (alike / all > 0.9 && (window.introShownAt === undefined || at < window.introShownAt)) {
          window.introShownAt = at;
        }
      });
    }
    return result;
  };
}

async function measure(network) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tamberlo-bench-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: 'new', pipe: true, userDataDir: profile,
    args: ['--no-sandbox', '--disable-dev-shm-usage'],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1000, height: 700 });
    const session = await page.target().createCDPSession();
    await session.send('Network.enable');
    await session.send('Network.setCacheDisabled', { cacheDisabled: true });
    await session.send('Network.setBypassServiceWorker', { bypass: true });
    if (networks[network]) {
      await session.send('Network.emulateNetworkConditions',
        { offline: false, ...networks[network] });
    }
    // Bytes on the wire (headers and compressed bodies) by request, with the monotonic time
    // of each piece, and the wall clock of the navigation to relate the page's clock to it.
    const pieces = [];
    const finished = new Map();
    let clock = null;
    session.on('Network.requestWillBeSent', (event) => {
      if (!clock) clock = { wall: event.wallTime * 1000, monotonic: event.timestamp * 1000 };
    });
    session.on('Network.dataReceived', (event) => pieces.push(
      { id: event.requestId, at: event.timestamp * 1000, bytes: event.encodedDataLength }));
    session.on('Network.loadingFinished', (event) => finished.set(event.requestId,
      { at: event.timestamp * 1000, bytes: event.encodedDataLength }));
    await page.evaluateOnNewDocument(watchForIntro, introPng);
    await page.goto(url);
    await page.waitForFunction(() => window.introShownAt !== undefined,
      { timeout: 180000, polling: 50 });
    const { shownAt, origin } = await page.evaluate(
      () => ({ shownAt: window.introShownAt, origin: performance.timeOrigin }));
    const shown = origin + shownAt - clock.wall + clock.monotonic;
    let bytes = 0;
    const ids = new Set([...pieces.map((piece) => piece.id), ...finished.keys()]);
    for (const id of ids) {
      const done = finished.get(id);
      bytes += done && done.at <= shown ? done.bytes : pieces
        .filter((piece) => piece.id === id && piece.at <= shown)
        .reduce((sum, piece) => sum + piece.bytes, 0);
    }
    return { network, seconds: shownAt / 1000, bytes };
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

for (const network of chosen.length ? chosen : Object.keys(networks)) {
  for (let run = 0; run < runs; run++) console.log(JSON.stringify(await measure(network)));
}
