// The maze editor in Chromium, checking as the game does (usage: node editor_test.mjs SITE_DIR).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import puppeteer from 'puppeteer-core';
import { serve } from './static_server.mjs';

test('the editor passes level 1, marks a power item shut in on its cell, undoes it', async (t) => {
  const server = await serve(process.argv[2]);
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: 'new',
    pipe: true, args: ['--no-sandbox', '--disable-dev-shm-usage'] });
  t.after(() => browser.close().then(() => server.close()));
  const page = await browser.newPage();
  await page.goto(server.url + 'editor.html');
  // Once checked: Play, the problems listed, and the red mark in the corner of map row 2, column 1.
  const state = (verdict) => page.waitForFunction((verdict) =>
    document.getElementById('summary').className === verdict, { timeout: 30000 }, verdict)
    .then(() => page.evaluate(() => {
      const mark = document.getElementById('grid').getContext('2d').getImageData(34, 34, 1, 1);
      return { play: !document.getElementById('play').disabled,
        marked: mark.data[0] > 200 && mark.data[1] < 90,
        problems: document.getElementById('problems').innerText };
    }));
  assert.deepEqual(await state('good'), { play: true, marked: false, problems: '' });
  // One drag walls (3, 1) and (2, 2): the power item of (2, 1) is shut in its corner.
  const { x, y, width, height } = await (await page.$('#grid')).boundingBox();
  const at = (row, column) => [x + ((column + 0.5) * width) / 25, y + ((row - 0.5) * height) / 18];
  await page.click('[aria-label="Wall"]');
  await page.mouse.move(...at(3, 1));
  await page.mouse.down();
  await page.mouse.move(...at(2, 2));
  await page.mouse.up();
  assert.deepEqual(await state('bad'), { play: false, marked: true,
    problems: "1. Row 2, column 1: power item out of the player's reach" });
  await page.click('#undo');
  assert.deepEqual(await state('good'), { play: true, marked: false, problems: '' });
});
