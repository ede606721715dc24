// The game's web page in Debian's Chromium, driven by puppeteer-core: the intro as on the
// desktop, a click on PLAY and walking in level 1, full screen and sound, quitting, and every
// regression demo and the autopilot's whole game replayed in the page to the desktop's end.
// Usage: node web_test.mjs SITE_DIR GAME_BINARY GAME_DIR SCREENSHOT_DIR
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import crypto from 'node:crypto';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';
import { serve } from './static_server.mjs';

const [siteDir, binary, gameDir, shots] = process.argv.slice(2).map((p) => path.resolve(p));
const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const demoDir = path.join(repo, 'tests/demos');
const demos = fs.readdirSync(demoDir).filter((name) => name.endsWith('.demo')).sort();
// expected.txt: "NAME replay: ... pictures: HASH sounds: HASH" per demo.
const expected = Object.fromEntries(
  fs.readFileSync(path.join(demoDir, 'expected.txt'), 'utf8').trim().split('\n').map((line) => {
    const [, name, replay, pictures] = /^(\S+) (replay: .*?) (pictures: \S+)/.exec(line);
    return [name, { replay, pictures }];
  }));

let copy;
let server;
let base;
let browser;
let desktopRun;

// Runs a program; gives its status and its output.
function run(program, args, cwd) {
  return new Promise((resolve) => {
    const child = spawn(program, args, { cwd });
    let stdout = '';
    let stderr = '';
    child.stdout.on('data', (chunk) => (stdout += chunk));
    child.stderr.on('data', (chunk) => (stderr += chunk));
    child.on('error', (error) => resolve({ status: -1, stdout, stderr: String(error) }));
    child.on('close', (status) => resolve({ status, stdout, stderr }));
  });
}

// The autopilot's whole game replayed on the desktop, from the demo its desktop test wrote
// (made as that test makes it when missing). It runs beside the page's first tests, which
// mostly wait.
async function desktopReplay() {
  const build = path.dirname(gameDir);
  let demo = path.join(build, 'tools/autopilot/autopilot.demo');
  if (!fs.existsSync(demo)) {
    demo = path.join(copy, 'autopilot-made.demo');
    const bot = await run(path.join(build, 'tools/autopilot/tamberlo-autopilot'),
      ['--demo', demo, '--max-frames', '73000'], gameDir);
    if (bot.status !== 0) return { demo, made: bot };
  }
  fs.copyFileSync(demo, path.join(copy, 'autopilot.demo'));
  return { demo, replay: await run(binary, ['--replay', demo, '--pictures'], gameDir) };
}

// A test copy of the site that also holds the demos to replay.
before(async () => {
  copy = fs.mkdtempSync(path.join(os.tmpdir(), 'tamberlo-web-'));
  process.on('exit', () => fs.rmSync(copy, { recursive: true, force: true }));
  fs.cpSync(siteDir, copy, { recursive: true });
  for (const name of demos) fs.copyFileSync(path.join(demoDir, name), path.join(copy, name));
  fs.mkdirSync(shots, { recursive: true });
  desktopRun = desktopReplay();
  server = await serve(copy);
  base = server.url;
  // Over a pipe the browser ends with this program, however it ends.
  // Shared memory may be small in a container: the browser keeps its buffers in /tmp instead.
  browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: 'new', pipe: true, protocolTimeout: 600000,
    args: ['--no-sandbox', '--disable-dev-shm-usage'],
  });
});

after(async () => {
  if (browser) await browser.close();
  if (server) server.close();
  await desktopRun;
});

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Opens the page at a window size, keeping every console line, every response and every
// problem: a console error, an uncaught error, a failed request.
// With phone, the page is a phone's: a touch screen, a phone's browser name and pixel density.
async function open(query, width, height, phone = false) {
  const page = await browser.newPage();
  if (phone) {
    await page.emulate({
      userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like ' +
        'Gecko) Chrome/156.0 Mobile Safari/537.36',
      viewport: { width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    });
  } else {
    await page.setViewport({ width, height });
  }
  const lines = [];
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push('console error: ' + message.text());
    else if (message.type() === 'log') lines.push(message.text());
  });
  page.on('pageerror', (error) => problems.push('page error: ' + error.message));
  page.on('requestfailed', (request) => problems.push('request failed: ' + request.url()));
  const responses = [];
  page.on('response', (response) => {
    if (response.status() >= 400) problems.push(`HTTP ${response.status()}: ${response.url()}`);
    responses.push({ name: response.url().slice(base.length),
      encoding: response.headers()['content-encoding'] || 'identity' });
  });
  // What the page showed while loading, and every sound the browser was asked to play.
  await page.evaluateOnNewDocument(() => {
    window.statusTexts = [];
    new MutationObserver(() => {
      const panel = document.getElementById('loading');
      const text = panel && [...panel.querySelectorAll('p')].map((p) => p.textContent).join(' ');
      if (text && window.statusTexts.at(-1) !== text) window.statusTexts.push(text);
    }).observe(document, { subtree: true, childList: true, characterData: true });
    // The game's SDL takes its keys from the document.
    window.keysAtDocument = [];
    document.addEventListener('keydown', (event) => window.keysAtDocument.push(event.key));
    document.addEventListener('keyup', (event) => window.keysAtDocument.push('up ' + event.key));
    window.soundsStarted = [];
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...when) {
      window.soundsStarted.push(this.buffer ? this.buffer.duration : 0);
      return start.apply(this, when);
    };
  });
  await page.goto(base + query);
  return { page, lines, problems, responses };
}

// Runs a function in the page as a script of its own would, with its arguments as JSON:
// puppeteer's evaluate counts as a user's gesture, which would let sound start at once.
const sessions = new WeakMap();
async function inPage(page, fn, ...args) {
  if (!sessions.has(page)) sessions.set(page, await page.target().createCDPSession());
  const { result, exceptionDetails } = await sessions.get(page).send('Runtime.evaluate', {
    expression: `(${fn})(...${JSON.stringify(args)})`, awaitPromise: true, returnByValue: true });
  if (exceptionDetails) {
    throw new Error(exceptionDetails.exception?.description || exceptionDetails.text);
  }
  return result.value;
}

// Puts a desktop screenshot (docs/NAME.png) into the page, to be compared there.
async function loadDesktopPicture(page, name) {
  if (await inPage(page, (name) => Boolean(window.desktopPictures?.[name]), name)) return;
  const png = fs.readFileSync(path.join(repo, 'docs', name + '.png')).toString('base64');
  await inPage(page, async (name, png) => {
    const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
    const picture = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const desktop = new OffscreenCanvas(800, 600).getContext('2d');
    desktop.drawImage(picture, 0, 0);
    window.desktopPictures = { ...window.desktopPictures, [name]: desktop };
  }, name, png);
}

// Share of the pixels of a region (x, y, w, h) of the canvas that are within 40 of the same
// pixel of a desktop screenshot, in every channel.
async function likeness(page, name, [x, y, w, h]) {
  await loadDesktopPicture(page, name);
  return inPage(page, (name, x, y, w, h) => {
    const want = window.desktopPictures[name].getImageData(x, y, w, h).data;
    const got = document.getElementById('canvas').getContext('2d').getImageData(x, y, w, h).data;
    let alike = 0;
    for (let i = 0; i < got.length; i += 4) {
      if ([0, 1, 2].every((c) => Math.abs(got[i + c] - want[i + c]) <= 40)) alike++;
    }
    return alike / (w * h);
  }, name, x, y, w, h);
}

// Bright pixels (text on a dark ground) in regions of the canvas and of a desktop screenshot.
async function brightPixels(page, name, regions) {
  await loadDesktopPicture(page, name);
  return inPage(page, (name, regions) => {
    const count = (context) => regions.reduce((sum, [x, y, w, h]) => {
      const pixels = context.getImageData(x, y, w, h).data;
      for (let i = 0; i < pixels.length; i += 4) {
        if (pixels[i] + pixels[i + 1] + pixels[i + 2] > 450) sum++;
      }
      return sum;
    }, 0);
    return { desktop: count(window.desktopPictures[name]),
      page: count(document.getElementById('canvas').getContext('2d')) };
  }, name, regions);
}

// The intro's picture above its menu (sky, title, enemies and Tamberlo) and level 1's maze
// below the status line.
const introArea = [0, 0, 800, 335];
const mazeArea = [0, 40, 800, 560];

// Waits until check() holds or ms have passed; tells which.
async function eventually(check, ms) {
  const end = Date.now() + ms;
  while (!(await check())) {
    if (Date.now() > end) return false;
    await sleep(50);
  }
  return true;
}

async function waitFor(what, check, ms) {
  if (!(await eventually(check, ms))) assert.fail('timed out waiting for ' + what);
}

// Where on the page a game pixel is shown.
async function pagePoint(page, x, y) {
  const box = await inPage(page, () => {
    const rect = document.getElementById('canvas').getBoundingClientRect();
    return { left: rect.left, top: rect.top, width: rect.width, height: rect.height };
  });
  return { x: box.left + (x * box.width) / 800, y: box.top + (y * box.height) / 600, box };
}

// Tamberlo's place in the maze: the middle of the pixels of his hat and shirt colours.
function tamberlo(page) {
  return inPage(page, () => {
    const context = document.getElementById('canvas').getContext('2d');
    const pixels = context.getImageData(0, 40, 800, 560).data;
    const colours = [[217, 176, 106], [76, 196, 90]];
    let count = 0, sumX = 0, sumY = 0;
    for (let i = 0; i < pixels.length; i += 4) {
      if (colours.some((c) => c.every((v, k) => Math.abs(pixels[i + k] - v) <= 8))) {
        count++;
        sumX += (i / 4) % 800;
        sumY += 40 + Math.floor(i / 4 / 800);
      }
    }
    return count < 20 ? null : { x: sumX / count, y: sumY / count };
  });
}

async function introShown(page) {
  return (await likeness(page, 'intro', introArea)) > 0.9;
}

const listing = JSON.parse(fs.readFileSync(path.join(siteDir, 'site-files.json'), 'utf8'));
const sizeOf = (name) => fs.statSync(path.join(siteDir, name)).size;

test('the page asks for what the intro needs, shows its progress in the MB it fetches, then the ' +
  'intro as on the desktop, fitted and centred; the other sounds come after it, each file once',
async (t) => {
  const { page, problems, responses } = await open('', 1000, 700);
  await waitFor('the intro', () => introShown(page), 30000);
  const shownAt = await inPage(page, () => performance.now());
  t.diagnostic(`first intro picture ${(shownAt / 1000).toFixed(2)} s after the page was opened`);
  await page.screenshot({ path: path.join(shots, 'web-intro.png') });
  const { box } = await pagePoint(page, 0, 0);
  const statusTexts = await inPage(page, () => window.statusTexts);
  const hidden = await inPage(page, () => document.getElementById('loading').hidden);
  const noTouchControls = await inPage(page,
    () => getComputedStyle(document.getElementById('touch-controls')).display === 'none');
  await waitFor('the late sounds', () => inPage(page, () => window.tamberloLateSounds), 30000);
  // Every late sound asked for after the first present and written into the game's files whole.
  const late = await inPage(page, (late) => late.map(([name, size]) => {
    const asked = performance.getEntriesByName(new URL(name, location.href).href)[0];
    return asked.startTime > window.tamberloFirstPicture &&
      Module.FS.stat('/' + name).size === size;
  }), listing.late);
  const names = responses.map((response) => response.name);
  const encodings = Object.fromEntries(responses.map(({ name, encoding }) => [name, encoding]));
  // The effects and every track but the intro's come late, the fonts are the page's own.
  const sounds = fs.readdirSync(path.join(gameDir, 'sounds/sfx')).map((n) => 'sounds/sfx/' + n)
    .concat(fs.readdirSync(path.join(gameDir, 'sounds/music')).filter((n) => n !== 'music.mid')
      .map((n) => 'sounds/music/' + n.replace(/\.mid$/, '.ogg')));
  const megabytes = ((sizeOf('tamberlo-adventure.wasm.br') + sizeOf('tamberlo-adventure.data.br'))
    / 1e6).toFixed(1);
  assert.deepEqual({
    fitted: [Math.round(box.left), Math.round(box.top), Math.round(box.width), box.height],
    progress: statusTexts.some((text) =>
      new RegExp(`^Loading Tamberlo Adventure… \\d+ % of ${megabytes} MB$`).test(text)),
    loadingPanelHidden: hidden,
    noTouchControls,
    lateList: listing.late.map(([name]) => name).sort(),
    lateAfterFirstPicture: late.every(Boolean),
    inPackage: listing.data.files.filter(([name]) => /^sounds\/|\.ttf$/.test(name))
      .map(([name]) => name),
    fetchedTwice: names.filter((name, i) => names.indexOf(name) !== i),
    encodings: ['tamberlo-adventure.wasm', 'tamberlo-adventure.data', 'tamberlo-adventure.js',
      'sounds/sfx/explode.wav', 'sounds/music/level1.ogg'].map((name) => encodings[name]),
    problems,
  }, {
    fitted: [33, 0, 933, 700], progress: true, loadingPanelHidden: true, noTouchControls: true,
    lateList: sounds.sort(), lateAfterFirstPicture: true, inPackage: ['sounds/music/music.ogg'],
    fetchedTwice: [], encodings: ['br', 'br', 'br', 'br', 'identity'], problems: [],
  }, 'status texts: ' + JSON.stringify(statusTexts));
  await page.close();
});

test('sound waits for the first key; Alt+Enter and F11 switch full screen and never reach the game',
  async () => {
    const { page, problems } = await open('', 800, 600);
    await waitFor('the intro', () => introShown(page), 30000);
    await waitFor('the late sounds', () => inPage(page, () => window.tamberloLateSounds), 30000);
    // Every effect and every track have been decoded from the bytes in the game's files.
    await waitFor('the sounds to be decoded', () => inPage(page, () => SDL.audios.every(
      (sound) => !sound || !sound.webAudio || sound.webAudio.decodedBuffer)), 10000);
    const decoded = await inPage(page, () => SDL.audios.filter(
      (sound) => sound && sound.webAudio && sound.webAudio.decodedBuffer).length);
    const effects = fs.readdirSync(path.join(gameDir, 'sounds/sfx')).length;
    const before = await inPage(page, () => SDL.audioContext.state);

    // Keys held as a person holds them.
    async function hold(...keys) {
      for (const key of keys) await page.keyboard.down(key);
      await sleep(150);
      for (const key of keys.reverse()) await page.keyboard.up(key);
      await sleep(700);
    }
    await hold('Alt', 'Enter');
    const full = await inPage(page, () => document.fullscreenElement === document.documentElement);
    const audio = await inPage(page, () => SDL.audioContext.state);
    // Enter alone is PLAY on the intro: with Alt it must not have started the game.
    const stillIntro = await introShown(page);
    await hold('F11');
    const windowed = await inPage(page, () => document.fullscreenElement === null);
    const reachedGame = await inPage(page, () => window.keysAtDocument);
    assert.deepEqual(
      { decoded: decoded > effects, before, full, audio, stillIntro, windowed, reachedGame,
        problems },
      { decoded: true, before: 'suspended', full: true, audio: 'running', stillIntro: true,
        windowed: true, reachedGame: ['Alt', 'up Alt'], problems: [] });
    await page.close();
  });

test('a click on PLAY in a larger window starts level 1 with its status line and music, the ' +
  'arrow keys walk Tamberlo, and Q ends the game with an offer to play again', async (t) => {
  const { page, problems } = await open('', 1000, 700);
  await waitFor('the intro', () => introShown(page), 30000);
  const play = await pagePoint(page, 85, 550);
  await page.mouse.move(play.x, play.y);
  await page.mouse.down();
  await sleep(150);
  await page.mouse.up();
  await waitFor('level 1', async () => (await likeness(page, 'play', mazeArea)) > 0.9, 10000);
  await page.screenshot({ path: path.join(shots, 'web-level1.png') });
  // The status line's labels, Score: to Warps:, drawn in the game's font: about as much text
  // as on the desktop, wherever the browser's lettering lands in the strip.
  const labels = await brightPixels(page, 'play',
    [[5, 0, 75, 28], [172, 0, 80, 28], [325, 0, 68, 28], [485, 0, 65, 28], [662, 0, 80, 28]]);
  t.diagnostic(`status line labels: ${labels.page} bright pixels (${labels.desktop} on the ` +
    'desktop)');
  // The track starts once the browser has decoded it.
  await eventually(() => inPage(page, () => window.soundsStarted.some((s) => s > 20)), 10000);
  const sounds = await inPage(page, () => ({
    state: SDL.audioContext.state, started: window.soundsStarted }));
  t.diagnostic('sounds started (seconds long): ' + sounds.started.map((s) => s.toFixed(1)));

  // He walks until a wall stops him: each key is held a moment, then let go.
  async function walk(key) {
    await page.keyboard.down(key);
    await sleep(400);
    await page.keyboard.up(key);
    await sleep(200);
    return tamberlo(page);
  }
  const start = await tamberlo(page);
  assert.ok(start, 'Tamberlo is not in the maze');
  const right = await walk('ArrowRight');
  const left = await walk('ArrowLeft');
  await page.screenshot({ path: path.join(shots, 'web-walked.png') });
  t.diagnostic('Tamberlo at ' + [start, right, left].map((at) => JSON.stringify(at)).join(', '));

  await page.keyboard.press('q');
  await waitFor('the end of the game',
    () => inPage(page, () => !document.getElementById('ended').hidden), 5000);
  const exitStatus = await inPage(page, () => window.tamberloExitStatus);
  assert.deepEqual({
    audio: sounds.state,
    music: sounds.started.some((seconds) => seconds > 20),
    effect: sounds.started.some((seconds) => seconds < 3),
    statusLabels: labels.page > labels.desktop / 2 && labels.page < labels.desktop * 2,
    walkedRight: right.x - start.x > 10,
    walkedLeft: right.x - left.x > 10,
    exitStatus,
    problems,
  }, { audio: 'running', music: true, effect: true, statusLabels: true, walkedRight: true,
    walkedLeft: true,
    exitStatus: 0, problems: [] });
  await Promise.all([page.waitForNavigation(), page.click('#again')]);
  await waitFor('the intro after playing again', () => introShown(page), 30000);
  await page.close();
});

// One request to the test server as a client that takes ENCODING gives: the status, the headers
// that matter and the body as it came.
function get(name, headers) {
  return new Promise((resolve, reject) => {
    http.get(base + name, { headers }, (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => resolve({ status: response.statusCode,
        type: response.headers['content-type'], encoding: response.headers['content-encoding'],
        length: Number(response.headers['content-length']), vary: response.headers.vary,
        tag: response.headers.etag, body: Buffer.concat(chunks) }));
    }).on('error', reject);
  });
}

test('the server sends the precompressed file the browser takes, with its type and length, ' +
  'and "not modified" for a copy the browser holds', async () => {
  const file = 'tamberlo-adventure.wasm';
  const raw = fs.readFileSync(path.join(siteDir, file));
  const seen = {};
  for (const accept of ['gzip, deflate, br', 'gzip', 'br;q=0, gzip', 'identity', 'br;q=0.5']) {
    const got = await get(file, { 'Accept-Encoding': accept });
    const body = { br: zlib.brotliDecompressSync, gzip: zlib.gunzipSync }[got.encoding];
    seen[accept] = [got.encoding || 'identity', got.type, got.length === got.body.length,
      (body ? body(got.body) : got.body).equals(raw), got.vary];
  }
  const both = ['application/wasm', true, true, 'Accept-Encoding'];
  const first = await get(file, { 'Accept-Encoding': 'br' });
  const again = await get(file, { 'Accept-Encoding': 'br', 'If-None-Match': first.tag });
  const track = await get('sounds/music/level1.ogg', { 'Accept-Encoding': 'br, gzip' });
  assert.deepEqual({ seen, again: [again.status, again.body.length],
    track: [track.encoding, track.type, track.vary, track.length] }, {
    seen: { 'gzip, deflate, br': ['br', ...both], gzip: ['gzip', ...both],
      'br;q=0, gzip': ['gzip', ...both], identity: ['identity', ...both],
      'br;q=0.5': ['br', ...both] },
    again: [304, 0],
    track: [undefined, 'audio/ogg', undefined, sizeOf('sounds/music/level1.ogg')],
  });
});

// Rewrites the test copy's service worker as a new build's: its name, and the hash it gives for
// one file.
function newBuild(site, name, file, integrity) {
  const worker = path.join(site, 'sw.js');
  const text = fs.readFileSync(worker, 'utf8').replace(/const build = '[^']*';/,
    `const build = '${name}';`);
  const files = JSON.parse(/const files = (.*);/.exec(text)[1])
    .map(([entry, hash]) => [entry, entry === file ? integrity : hash]);
  fs.writeFileSync(worker, text.replace(/const files = .*;/,
    () => `const files = ${JSON.stringify(files)};`));
  for (const encoding of ['br', 'gz']) fs.rmSync(worker + '.' + encoding, { force: true });
}

const sha256 = (bytes) => 'sha256-' + crypto.createHash('sha256').update(bytes).digest('base64');

test('after one visit the site is kept whole and installable, a new build replaces it whole or ' +
  'not at all, and with no server the game opens and plays level 1', async () => {
  // A site of its own on a server of its own (another origin, which the service worker of the
  // other tests' does not reach), stopped before the game is played.
  const site = fs.mkdtempSync(path.join(os.tmpdir(), 'tamberlo-offline-'));
  fs.cpSync(siteDir, site, { recursive: true });
  const own = await serve(site);
  const savedBase = base;
  base = own.url;
  const { page, problems } = await open('', 1000, 700);
  try {
    // The caches the site keeps: each one's name, its number of files and its copy's icon length.
    const cached = () => inPage(page, async () => {
      const names = await caches.keys();
      return Promise.all(names.map(async (name) => {
        const cache = await caches.open(name);
        const icon = await cache.match('icon.png');
        return [name, (await cache.keys()).length, icon && (await icon.arrayBuffer()).byteLength];
      }));
    });
    await waitFor('the service worker', () => inPage(page, async () =>
      (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated'), 60000);
    const worker = fs.readFileSync(path.join(site, 'sw.js'), 'utf8');
    const build = /const build = '(\w+)'/.exec(worker)[1];
    const kept = await cached();
    const session = await page.target().createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    const { errors: manifestErrors } = await session.send('Page.getAppManifest');
    const { result: window } = await session.send('Runtime.evaluate', { expression: 'window' });
    const { listeners } = await session.send('DOMDebugger.getEventListeners',
      { objectId: window.objectId });

    // A build whose file does not match its hash (the server changed meanwhile) is refused.
    const icon = fs.readFileSync(path.join(site, 'icon.png'));
    const newIcon = Buffer.concat([icon, Buffer.from('another build')]);
    fs.writeFileSync(path.join(site, 'icon.png'), newIcon);
    newBuild(site, 'mixed', 'icon.png', sha256(icon));
    const refused = await inPage(page, async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      await registration.update();
      const worker = registration.installing;
      while (worker && worker.state !== 'redundant') {
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
      return worker?.state;
    });
    const afterRefusal = await cached();
    // A whole new build takes over once the page holds all its files, and the old one goes.
    newBuild(site, 'next', 'icon.png', sha256(newIcon));
    await page.reload();
    await waitFor('the next build alone', async () =>
      (await cached()).map(([name]) => name).join() === 'tamberlo-next', 60000);
    const replaced = await cached();

    own.close();
    await page.setOfflineMode(true);
    await page.reload();
    await waitFor('the intro offline', () => introShown(page), 30000);
    await page.keyboard.press('Enter');
    await waitFor('level 1 offline', async () => (await likeness(page, 'play', mazeArea)) > 0.9,
      10000);
    const music = await eventually(() => inPage(page,
      () => window.soundsStarted.some((seconds) => seconds > 20)), 10000);
    const fileCount = JSON.parse(/const files = (.*);/.exec(
      fs.readFileSync(path.join(site, 'sw.js'), 'utf8'))[1]).length;
    assert.deepEqual({
      kept, installabilityErrors, manifestErrors,
      unloadListeners: listeners.filter((listener) => listener.type === 'unload').length,
      refused, afterRefusal, replaced, music, problems,
    }, {
      kept: [[`tamberlo-${build}`, fileCount, icon.length]], installabilityErrors: [],
      manifestErrors: [], unloadListeners: 0, refused: 'redundant',
      afterRefusal: [[`tamberlo-${build}`, fileCount, icon.length]],
      replaced: [['tamberlo-next', fileCount, newIcon.length]], music: true, problems: [],
    });
  } finally {
    base = savedBase;
    own.close();
    await page.close();
    fs.rmSync(site, { recursive: true, force: true });
  }
});

// Replays a demo of the test copy in the page; gives its printed lines.
async function replayInPage(name) {
  const { page, lines, problems } = await open('?replay=' + name, 800, 600);
  await waitFor('the end of the replay',
    () => inPage(page, () => window.tamberloExitStatus !== undefined), 600000);
  const status = await inPage(page, () => window.tamberloExitStatus);
  await page.close();
  const line = (prefix) => lines.find((text) => text.startsWith(prefix)) || '(none)';
  return { replay: line('replay:'), pictures: line('pictures:'), status, problems };
}

for (const name of demos) {
  test(`${name} replays in the page to the desktop's end`, async (t) => {
    const got = await replayInPage(name);
    const want = expected[name];
    t.diagnostic(`pictures: ${got.pictures === want.pictures ? 'the same' : 'differ'} (page ` +
      `${got.pictures}, desktop ${want.pictures})`);
    assert.deepEqual({ replay: got.replay, status: got.status, problems: got.problems },
      { replay: want.replay, status: 0, problems: [] });
  });
}

test("the autopilot's whole game replays in the page to the desktop's end", async () => {
  const { made, replay: desktop } = await desktopRun;
  assert.ok(!made, 'the autopilot did not win: ' + made?.stdout + made?.stderr);
  const got = await replayInPage('autopilot.demo');
  const [replay] = fs.readFileSync(path.join(demoDir, 'autopilot-expected.txt'), 'utf8')
    .split('\n');
  assert.equal(desktop.stdout.split('\n')[0], replay, 'the desktop replay itself');
  assert.deepEqual({ replay: got.replay, status: got.status, problems: got.problems },
    { replay, status: 0, problems: [] });
});

// A region of the canvas as bytes, to be compared with itself later.
function canvasRegion(page, [x, y, w, h]) {
  return inPage(page, (x, y, w, h) => Array.from(document.getElementById('canvas')
    .getContext('2d').getImageData(x, y, w, h).data).join(','), x, y, w, h);
}

const bombsDigit = [255, 0, 40, 30];
const scoreDigits = [95, 0, 75, 30];

test('on a phone, touch alone plays: a tap on PLAY, swipes that walk Tamberlo to dots and to a ' +
  'bomb, the Bomb button, and buttons of a thumb\'s size beside the maze, never over it',
async (t) => {
  const { page, problems } = await open('', 390, 844, true);
  await waitFor('the intro', () => introShown(page), 30000);
  const play = await pagePoint(page, 85, 550);
  await page.touchscreen.tap(play.x, play.y);
  await waitFor('level 1', async () => (await likeness(page, 'play', mazeArea)) > 0.9, 10000);
  const startScore = await canvasRegion(page, scoreDigits);
  const noBomb = await canvasRegion(page, bombsDigit);

  // Swipes of 60 CSS pixels over the picture: right, then up (taken at the first free turn),
  // then left along the row of the bomb.
  async function swipe(dx, dy) {
    const from = await pagePoint(page, 400, 300);
    await page.touchscreen.touchStart(from.x, from.y);
    await page.touchscreen.touchMove(from.x + dx / 2, from.y + dy / 2);
    await page.touchscreen.touchMove(from.x + dx, from.y + dy);
    await page.touchscreen.touchEnd();
  }
  const start = await tamberlo(page);
  await swipe(60, 0);
  await waitFor('a dot eaten', async () => (await canvasRegion(page, scoreDigits)) !== startScore,
    3000);
  const right = await tamberlo(page);
  // Held left, he walks on up the column until the row of the bomb lets him turn: the swipe
  // may come as soon as he is on his way up.
  await swipe(0, -60);
  await waitFor('Tamberlo on his way up',
    async () => (await tamberlo(page))?.y < right.y - 6, 3000);
  await swipe(-60, 0);
  const carried = await eventually(async () => (await canvasRegion(page, bombsDigit)) !== noBomb,
    3000);
  await page.screenshot({ path: path.join(shots, 'web-phone-portrait.png') });

  const layout = await inPage(page, () => {
    const canvas = document.getElementById('canvas').getBoundingClientRect();
    const buttons = [...document.querySelectorAll('#touch-controls button')].map((button) => {
      const box = button.getBoundingClientRect();
      const clear = box.top >= canvas.bottom || box.bottom <= canvas.top ||
        box.left >= canvas.right || box.right <= canvas.left;
      return { name: button.textContent, big: box.width >= 48 && box.height >= 48, clear,
        onScreen: box.bottom <= innerHeight && box.right <= innerWidth };
    });
    return { canvas: [Math.round(canvas.width), Math.round(canvas.height)], buttons,
      scrolls: document.scrollingElement.scrollHeight > innerHeight };
  });
  const bomb = await page.$('#touch-controls [data-command="bomb"]');
  const named = (node) => [node.role === 'button' ? `${node.role} ${node.name}` : [],
    ...(node.children || []).map(named)].flat(Infinity);
  const names = named(await page.accessibility.snapshot());
  const box = await bomb.boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
  const dropped = await eventually(async () => (await canvasRegion(page, bombsDigit)) === noBomb,
    3000);
  t.diagnostic('Tamberlo at ' + [start, right].map((at) => JSON.stringify(at)).join(', '));
  assert.deepEqual({ walkedRight: right.x - start.x > 5, carried, dropped,
    layout, names, problems }, {
    walkedRight: true, carried: true, dropped: true,
    layout: { canvas: [390, 293], scrolls: false, buttons: ['Bomb', 'Warp', 'Pause', 'Give up',
      'Full screen'].map((name) => ({ name, big: true, clear: true, onScreen: true })) },
    names: ['button Bomb', 'button Warp', 'button Pause', 'button Give up', 'button Full screen'],
    problems: [] });

  // Turned sideways, the picture keeps its 4:3 box and the buttons stand beside it.
  await page.setViewport({ width: 844, height: 390, deviceScaleFactor: 3, isMobile: true,
    hasTouch: true });
  await sleep(300);
  const landscape = await inPage(page, () => {
    const canvas = document.getElementById('canvas').getBoundingClientRect();
    const button = document.querySelector('#touch-controls button').getBoundingClientRect();
    return { height: Math.round(canvas.height), beside: button.left >= canvas.right };
  });
  await page.screenshot({ path: path.join(shots, 'web-phone-landscape.png') });
  assert.deepEqual(landscape, { height: 390, beside: true });
  await page.close();
});

test('a page hidden or left during play pauses the game as P does, until P', async () => {
  const { page, problems } = await open('', 800, 600);
  await waitFor('the intro', () => introShown(page), 30000);
  await page.keyboard.press('Enter');
  await waitFor('level 1', async () => (await likeness(page, 'play', mazeArea)) > 0.9, 10000);
  const paused = [];
  // The browser's own events of a tab put behind another and of a window left for another.
  const ways = {
    hidden: () => {
      Object.defineProperty(document, 'hidden', { value: true, configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
      delete document.hidden;
      document.dispatchEvent(new Event('visibilitychange'));
    },
    blurred: () => {
      window.dispatchEvent(new Event('blur'));
      window.dispatchEvent(new Event('focus'));
    },
  };
  for (const [way, leave] of Object.entries(ways)) {
    await page.keyboard.down('ArrowLeft');
    await sleep(300);
    await inPage(page, leave);
    await sleep(400);
    const first = await canvasRegion(page, mazeArea);
    await sleep(1500);
    const still = (await canvasRegion(page, mazeArea)) === first;
    await page.keyboard.up('ArrowLeft');
    await page.keyboard.press('p');
    await sleep(500);
    const moving = (await canvasRegion(page, mazeArea)) !== first;
    paused.push({ way, still, moving });
  }
  assert.deepEqual({ paused, problems }, { paused: [
    { way: 'hidden', still: true, moving: true }, { way: 'blurred', still: true, moving: true }],
  problems: [] });
  await page.close();
});

// Share codes made here by node's own zlib from the maps of the game's mazes.
function mazeCode(level, edit = (map) => map) {
  const map = edit(fs.readFileSync(path.join(repo, `data/levels/src/level${level}.map`), 'latin1'));
  return 'T1.' + zlib.deflateRawSync(map, { level: 9 }).toString('base64url');
}

test("a link's maze plays as the desktop's same maze, and one that fails the checks is refused " +
  "with its reason and an offer of the game's own mazes", async () => {
  const { page, problems } = await open('#mazes=' + mazeCode(1), 800, 600);
  await waitFor('the intro', () => introShown(page), 30000);
  await page.keyboard.press('Enter');
  await waitFor('the maze of the link',
    async () => (await likeness(page, 'play', mazeArea)) > 0.9, 10000);
  await page.close();
  // The link's mazes in their order: level 2's maze first is no level 1.
  const other = await open('#mazes=' + mazeCode(2) + '~' + mazeCode(1), 800, 600);
  await waitFor('the intro', () => introShown(other.page), 30000);
  await other.page.keyboard.press('Enter');
  await waitFor('the first maze', async () => !(await introShown(other.page)), 10000);
  await sleep(500);
  const secondFirst = await likeness(other.page, 'play', mazeArea);
  await other.page.close();
  assert.ok(secondFirst < 0.8, `level 2's maze first looks like level 1's (${secondFirst})`);

  const startless = mazeCode(2, (map) => map.replace('P', '_'));
  const refused = await open('#mazes=' + mazeCode(1) + '~' + startless, 800, 600);
  await waitFor('the refusal',
    () => inPage(refused.page, () => !document.getElementById('ended').hidden), 30000);
  const shown = await inPage(refused.page, () => ({
    text: document.getElementById('ended-text').textContent,
    button: document.getElementById('again').textContent }));
  await Promise.all([refused.page.waitForNavigation(), refused.page.click('#again')]);
  const own = await inPage(refused.page, () => location.hash);
  await waitFor("the game's own intro", () => introShown(refused.page), 30000);
  await refused.page.close();
  assert.deepEqual({ problems, shown, own }, { problems: [], shown: {
    text: 'These mazes cannot be played: maze 2: no player start (code 2)',
    button: "Play the game's own mazes" }, own: '' });
});
