// The autopilot's page in Debian's Chromium, embedded as the maze editor embeds it: it reports
// its progress, then "won" on each shipped maze; "lost" on one given too few frames, and
// "refused" with the game's reason on a damaged code. Each verdict's time is printed.
// Usage: node autopilot_test.mjs SITE_DIR GAME_BINARY
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serve } from './static_server.mjs';

const [siteDir, binary] = process.argv.slice(2).map((p) => path.resolve(p));
const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const levelmake = path.join(binary, '../../tools/levelcheck/levelmake/tamberlo-levelmake');
const code = (level) => execFileSync(levelmake,
  ['--code', path.join(repo, `data/levels/src/level${level}.map`)]).toString().trim();

// Every message of the autopilot's frame on the link's mazes, up to its verdict.
const verdict = (page, link) => page.evaluate((link) => new Promise((resolve) => {
  const messages = [];
  const frame = Object.assign(document.createElement('iframe'), { hidden: true, src: link });
  window.onmessage = ({ data }) => {
    messages.push(data);
    if (data.state === 'running') return;
    frame.remove();
    resolve(messages);
  };
  document.body.append(frame);
}), link);

test('the autopilot page wins each shipped maze, and says lost and refused', async () => {
  const server = await serve(siteDir);
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox'] });
  try {
    const page = await browser.newPage();
    await page.goto(server.url + 'autopilot.html');
    for (const [link, state, text] of [1, 2, 3, 4, 5].map((level) => [code(level), 'won', /won/])
      .concat([[code(1) + '&frames=300', 'lost', /within 300 frames/],
        [code(1).slice(0, 30), 'refused', /^maze 1: the code is damaged or cut short$/]])) {
      const started = Date.now();
      const messages = await verdict(page, 'autopilot.html#maze=' + link);
      const last = messages.at(-1);
      console.log(`${link.slice(0, 12)}…: ${last.state} in ${(Date.now() - started) / 1000} s`);
      assert.deepEqual([last.state, text.test(last.text)], [state, true], last.text);
      assert.equal(messages.some(({ frames, dotsTotal }) => frames > 0 && dotsTotal > 0),
        state !== 'refused');
    }
  } finally {
    await browser.close();
    server.close();
  }
});
