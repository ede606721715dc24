// The autopilot's page in Debian's Chromium: embedded as the maze editor embeds it, it reports
// "won" on each of the five shipped mazes, with its progress before, and shows the verdict.
// Usage: node autopilot_test.mjs SITE_DIR GAME_BINARY GAME_DIR SCREENSHOT_DIR
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from './static_server.mjs';

const [siteDir, binary, , shots] = process.argv.slice(2).map((p) => path.resolve(p));
const levelmake = path.join(path.dirname(binary), '../tools/levelcheck/levelmake/tamberlo-levelmake');
const maps = path.resolve(import.meta.dirname ?? new URL('.', import.meta.url).pathname, '../../data/levels/src');

test('the autopilot wins each shipped maze in the page', { timeout: 600000 }, async () => {
  const server = await serve(siteDir);
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
  try {
    const page = await browser.newPage();
    await page.goto(server.url + 'autopilot.html');
    for (let level = 1; level <= 5; level++) {
      const code = execFileSync(levelmake, ['--code', `${maps}/level${level}.map`]).toString().trim();
      const started = Date.now();
      const messages = await page.evaluate((code) => new Promise((resolve) => {
        const seen = [];
        const frame = document.createElement('iframe');
        frame.hidden = true;
        window.onmessage = ({ data }) => {
          seen.push(data);
          if (data.state !== 'running') frame.remove() || resolve(seen);
        };
        frame.src = 'autopilot.html#maze=' + code;
        document.body.appendChild(frame);
      }), code);
      const last = messages.at(-1);
      console.log(`level ${level}: ${last.state} in ${(Date.now() - started) / 1000} s, ${last.text}`);
      assert.equal(last.state, 'won', `level ${level}: ${last.text}`);
      assert.ok(messages.some((m) => m.state === 'running' && m.frames > 0 && m.dotsTotal > 0));
    }
    await page.goto(server.url + 'autopilot.html#maze=T1.broken');
    await page.waitForFunction(() => document.getElementById('verdict').className === 'refused');
    await page.screenshot({ path: path.join(shots, 'autopilot-refused.png') });
  } finally {
    await browser.close();
    server.close();
  }
});
