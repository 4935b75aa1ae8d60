// The page in a real browser, opened from disk: links, typing, zones,
// errors, lines, requests, accessibility, screenshots. Any page error or
// console message of type error fails the test it happens in.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';

import { browserMissing, launchBrowser, pageUrl, webBuild } from './browser.mjs';

const missing = browserMissing();
const Forms = ['halves', 'hex', 'decimal', 'bytes', 'reg', 'iso', 'local'];

describe('WebPage', { skip: missing ?? false }, () => {
  let browser;
  let close;
  before(async () => ({ browser, close } = await launchBrowser()));
  after(async () => close?.());

  // A fresh page at the link; its problems and requests are recorded.
  async function open(fragment = '', { zone = 'UTC' } = {}) {
    const page = await browser.newPage();
    await page.emulateTimezone(zone);
    page.problems = [];
    page.requests = [];
    page.on('pageerror', (error) => page.problems.push(`page error: ${error.message}`));
    page.on('console', (message) => {
      if (message.type() === 'error') page.problems.push(`console: ${message.text()}`);
    });
    page.on('requestfailed', (request) => page.problems.push(`failed: ${request.url()}`));
    page.on('request', (request) => page.requests.push(request.url()));
    await page.goto(pageUrl + fragment);
    await page.waitForSelector('body[data-ready]');
    return page;
  }
  async function done(page) {
    assert.deepEqual(page.problems, []);
    await page.close();
  }
  const valuesOf = (page) => page.evaluate((forms) => Object.fromEntries(
    [...forms, 'note', 'error'].map((form) => [form, document.querySelector(`[data-form="${form}"]`).textContent])), Forms);

  test('a link to a moment shows its exact stamp and the console tool\'s line with why', async () => {
    const page = await open('#t=2017-12-25T10:20:30&z=UTC');
    const values = await valuesOf(page);
    assert.equal(values.halves, '0x01D37D69-0xFD626B00');
    assert.equal(values.iso, '2017-12-25T10:20:30.0000000Z');
    assert.match(values.note, /console tool prints 0x01D37D69-0xFCC9D480 .*one second short/);
    assert.equal(values.error, '');
    assert.equal(await page.$eval('#command', (e) => e.textContent), 'LANG=de_DE.UTF-8 kelpworth /d25.12.2017 /t10:20:30');
    await done(page);
  });

  test('a link to a stamp shows its moment', async () => {
    const page = await open('#r=80,d4,c9,fc,69,7d,d3,01&z=UTC');
    const values = await valuesOf(page);
    assert.equal(values.iso, '2017-12-25T10:20:29.0000000Z');
    assert.equal(values.halves, '0x01D37D69-0xFCC9D480');
    assert.equal(values.bytes, '80 D4 C9 FC 69 7D D3 01');
    assert.equal(await page.$eval('#stamp', (e) => e.value), '80,d4,c9,fc,69,7d,d3,01');
    await done(page);
  });

  test('typed with the keyboard: results follow, the fragment follows without new history entries', async () => {
    const page = await open('', { zone: 'Europe/Berlin' });
    const historyBefore = await page.evaluate(() => history.length);
    await page.focus('#date');
    await page.keyboard.type('2024-10-27');
    await page.keyboard.press('Tab');
    await page.keyboard.type('02:30:00.1234567');
    const values = await valuesOf(page);
    assert.equal(values.iso, '2024-10-27T00:30:00.1234567Z');
    assert.match(values.note, /occurs twice in Europe\/Berlin .*first occurrence/);
    assert.equal(await page.evaluate(() => location.hash), '#t=2024-10-27T02:30:00.1234567');
    await page.select('#zone', 'America/New_York');
    assert.equal(await page.evaluate(() => location.hash), '#t=2024-10-27T02:30:00.1234567&z=America/New_York');
    await page.focus('#stamp');
    await page.keyboard.type('0');
    assert.match((await valuesOf(page)).note, /not set/);
    assert.equal(await page.evaluate(() => location.hash), '#r=0&z=America/New_York');
    assert.equal(await page.evaluate(() => history.length), historyBefore);
    await done(page);
  });

  test('every control is reached with the Tab key', async () => {
    const page = await open('#t=2017-12-25T10:20:30&z=UTC');
    const reached = new Set();
    for (let press = 0; press < 30; ++press) {
      await page.keyboard.press('Tab');
      reached.add(await page.evaluate(() => document.activeElement.id || document.activeElement.dataset.copy || ''));
    }
    for (const control of ['zone', 'date', 'time', 'stamp', ...Forms, 'lines', 'convert-lines', 'copy-lines', 'download-lines']) {
      assert.ok(reached.has(control), `${control} is not reached`);
    }
    await done(page);
  });

  const zoneCases = [
    // link, iso, local, note
    ['#t=2024-03-31T02:30&z=Europe/Berlin', '2024-03-31T01:30:00.0000000Z', '2024-03-31T03:30:00.0000000+02:00', /does not occur/],
    ['#t=2024-10-27T02:30&z=Europe/Berlin', '2024-10-27T00:30:00.0000000Z', '2024-10-27T02:30:00.0000000+02:00', /occurs twice/],
    ['#t=2024-11-03T01:30&z=America/New_York', '2024-11-03T05:30:00.0000000Z', '2024-11-03T01:30:00.0000000-04:00', /occurs twice/],
    ['#t=2024-10-06T02:15&z=Australia/Lord_Howe', '2024-10-05T15:45:00.0000000Z', '2024-10-06T02:45:00.0000000+11:00', /does not occur .*UTC\+10:30/],
    ['#t=1890-06-01T12:00&z=Europe/Berlin', '1890-06-01T11:06:32.0000000Z', '1890-06-01T12:00:00.0000000+00:53:28', /counts the time of day backwards/],
    ['#r=0x01D37D69-0xFCC9D480&z=Australia/Lord_Howe', '2017-12-25T10:20:29.0000000Z', '2017-12-25T21:20:29.0000000+11:00', /^$/],
  ];
  for (const [link, iso, local, note] of zoneCases) {
    test(`zone case ${link}`, async () => {
      const page = await open(link);
      const values = await valuesOf(page);
      assert.equal(values.iso, iso);
      assert.equal(values.local, local);
      assert.match(values.note, note);
      await done(page);
    });
  }

  const badInputs = [
    // control or link, typed text, field, message
    ['#date', '2017-02-31', 'date', /February 2017 has 28 days/],
    ['#time', '24:00', 'time', /hour is 00 to 23/],
    ['#time', '10:61', 'time', /minute is 00 to 59/],
    ['#time', '10:20:30.12345678', 'time', /more than 7 decimal places/],
    ['#date', '1600-12-31', 'date', /before the first stamp/],
    ['#date', '30828-09-15', 'date', /after the last stamp/],
    ['#stamp', '0x11D37D69FCC9D4800', 'stamp', /more than 64 bits/],
    ['#stamp', '0x01D37D69FCC9D48Z', 'stamp', /no stamp: give 0xHHHHHHHH-0xLLLLLLLL/],
    ['#stamp', '80,d4,c9,fc,69,7d,d3,01,02', 'stamp', /more than 64 bits/],
    ['#t=2017-12-25T10:20:30&z=Mars/Olympus', '', 'zone', /unknown time zone "Mars\/Olympus"/],
  ];
  for (const [control, text, field, message] of badInputs) {
    test(`bad input ${control} "${text}": a message at the ${field}, no result`, async () => {
      const page = await open(control.startsWith('#t=') ? control : '#t=2017-12-25T10:20:30&z=UTC');
      if (!control.startsWith('#t=')) {
        await page.click(control, { clickCount: 3 });
        await page.keyboard.press('Backspace');
        await page.keyboard.type(control === '#time' ? text : text);
      }
      const values = await valuesOf(page);
      assert.match(values.error, message);
      for (const form of [...Forms, 'note']) assert.equal(values[form], '', `${form} is not cleared`);
      assert.equal(await page.$eval('[data-form="error"]', (e) => e.dataset.field), field);
      if (field !== 'zone') {
        assert.equal(await page.$eval(`#${field}`, (e) => e.getAttribute('aria-invalid')), 'true');
        // The message follows its field.
        assert.ok(await page.$eval(`#${field}`, (e) => e.closest('.field').nextElementSibling?.dataset.form === 'error'));
      }
      await done(page);
    });
  }

  test('lines: one result line each, progress, copy and a .tsv download', async () => {
    const page = await open('#z=UTC');
    const downloads = mkdtempSync(join(tmpdir(), 'kelpworth-downloads-'));
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.evaluate(() => {
      const lines = [];
      for (let i = 0; i < 100000; ++i) lines.push(i % 2 === 0 ? `2017-12-25T10:20:${String(i % 60).padStart(2, '0')}` : String(i));
      document.getElementById('lines').value = lines.join('\n');
    });
    // Progress shows while the lines run: the page answers between steps.
    const progressSeen = page.waitForFunction(() => /^[\d,]+ of 100,000 lines$/.test(document.getElementById('lines-status').textContent)
      || document.body.dataset.linesMs !== undefined, { polling: 'mutation' });
    await page.click('#convert-lines');
    await progressSeen;
    await page.waitForSelector('body[data-lines-ms]');
    assert.match(await page.$eval('#lines-status', (e) => e.textContent), /^100,000 lines converted in \d+ ms$/);
    const shown = (await page.$eval('#lines-result', (e) => e.value)).split('\n');
    assert.equal(shown[30].split('\t')[0], '0x01D37D69-0xFD626B00');  // 10:20:30
    assert.equal(shown[1].split('\t')[0], '1601-01-01T00:00:00.0000001Z');
    await page.click('#download-lines');
    const file = join(downloads, 'kelpworth.tsv');
    for (let wait = 0; wait < 100; ++wait) {
      try {
        if (readFileSync(file, 'utf8').split('\n').length === 100001) break;
      } catch {
        // not there yet
      }
      await new Promise((resolve) => { setTimeout(resolve, 100); });
    }
    const lines = readFileSync(file, 'utf8').split('\n');
    assert.equal(lines.length, 100001);
    assert.equal(lines[99999].split('\t')[0], '1601-01-01T00:00:00.0099999Z');
    await page.click('#copy-lines');
    await page.waitForFunction(() => document.getElementById('copy-status').textContent !== '');
    assert.match(await page.$eval('#copy-status', (e) => e.textContent), /^Copied|download the results/);
    rmSync(downloads, { recursive: true, force: true });
    await done(page);
  });

  test('no request but the page itself; no cookie, nothing stored', async () => {
    const page = await open('#t=2017-12-25T10:20:30&z=Europe/Berlin');
    await page.focus('#stamp');
    await page.keyboard.type('0x01D37D69-0xFCC9D480');
    await page.click('[data-copy="halves"]');
    await page.waitForFunction(() => document.getElementById('copy-status').textContent !== '');
    assert.match(await page.$eval('#copy-status', (e) => e.textContent), /^Copied: Halves/);
    assert.deepEqual(page.requests.map((url) => url.replace(/#.*/, '')), [pageUrl]);
    assert.deepEqual(await page.evaluate(() => [document.cookie, localStorage.length, sessionStorage.length]), ['', 0, 0]);
    const policy = await page.$eval('meta[http-equiv="Content-Security-Policy"]', (e) => e.content);
    assert.match(policy, /^default-src 'none'; script-src 'sha256-[^']+' 'wasm-unsafe-eval'; style-src 'sha256-[^']+';/);
    await done(page);
  });

  test('axe-core finds no violation, in light and dark', async () => {
    const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    for (const scheme of ['light', 'dark']) {
      const page = await open('#t=2024-10-27T02:30&z=Europe/Berlin');
      await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
      // Through the DevTools protocol: the page's policy allows no script of ours.
      const session = await page.createCDPSession();
      await session.send('Runtime.evaluate', { expression: axe });
      const { result } = await session.send('Runtime.evaluate', {
        expression: 'axe.run(document).then((r) => JSON.stringify(r.violations.map((v) => [v.id, v.nodes.map((n) => n.target.join(" "))])))',
        awaitPromise: true,
      });
      assert.deepEqual(JSON.parse(result.value), [], `${scheme}`);
      await done(page);
    }
  });

  test('readable at 320 px; screenshots at 1280x800 and 375x800', async () => {
    const page = await open('#t=2024-10-27T02:30:00.1234567&z=Europe/Berlin');
    await page.setViewport({ width: 320, height: 800 });
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 320), 'wider than 320 px');
    for (const width of [1280, 375]) {
      await page.setViewport({ width, height: 800 });
      await page.screenshot({ path: join(webBuild, `kelpworth-${width}x800.png`) });
    }
    await done(page);
  });
});
