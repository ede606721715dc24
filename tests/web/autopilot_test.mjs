// The autopilot's page in Chromium, framed as the maze editor frames it: progress, then "won" on
// each shipped maze, "lost" given too few frames, "refused" with the game's reason for a damaged
// code; prints each verdict's time. In tests/web: node autopilot_test.mjs SITE GAME_BINARY
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from './static_server.mjs';

const [site, binary] = process.argv.slice(2).map((p) => path.resolve(p));
const code = (level) => execFileSync(path.join(binary, '../../tools/levelcheck/levelmake/' +
  'tamberlo-levelmake'), ['--code', `../../data/levels/src/level${level}.map`]).toString().trim();
const cases = [1, 2, 3, 4, 5].map((level) => [code(level), 'won', /^It won the maze/])
  .concat([[code(1) + '&frames=300', 'lost', /within 300 frames/],
    [code(1).slice(0, 30), 'refused', /^maze 1: the code is damaged or cut short$/]]);

test('the autopilot page wins each shipped maze, and says lost and refused', async () => {
  const [server, browser] = await Promise.all([serve(site), puppeteer.launch(
    { executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] })]);
  const page = await browser.newPage();
  await page.goto(server.url + 'autopilot.html');
  for (const [link, state, text] of cases) {
    const started = Date.now();
    const messages = await page.evaluate((src) => new Promise((resolve) => {
      const seen = [];
      const frame = Object.assign(document.createElement('iframe'), { hidden: true, src });
      window.onmessage = ({ data }) => seen.push(data) && data.state !== 'running' &&
        resolve(seen, frame.remove());
      document.body.append(frame);
    }), 'autopilot.html#maze=' + link);
    const last = messages.at(-1);
    console.log(`${link.slice(0, 12)}…: ${last.state} in ${(Date.now() - started) / 1000} s`);
    assert.deepEqual([last.state, text.test(last.text)], [state, true], last.text);
    assert.equal(messages.some((m) => m.frames > 0 && m.dotsTotal > 0), state !== 'refused');
  }
  await browser.close();
  server.close();
});
