// The figures of bench/web.sh: the page's size, gzipped size, time to the
// first result and time for 100,000 lines, each run in a fresh page.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { gzipSync } from 'node:zlib';

const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const { launchBrowser, pagePath, pageUrl } = await import(require.resolve('./browser.mjs'));

const runs = Number(process.argv[2] ?? 7);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const targets = [];
function report(name, value, unit, limit) {
  const met = value <= limit;
  targets.push(met);
  console.log(`${name.padEnd(34)} ${String(value).padStart(8)} ${unit.padEnd(3)} (target <= ${limit} ${unit}) ${met ? 'met' : 'MISSED'}`);
}

const file = readFileSync(pagePath);
report('kelpworth.html', Math.round(file.length / 102.4) / 10, 'KiB', 160);
report('kelpworth.html gzipped (-9)', Math.round(gzipSync(file, { level: 9 }).length / 102.4) / 10, 'KiB', 64);

const { browser, close } = await launchBrowser();
const lines = (moment) => `{
  const lines = [];
  for (let i = 0; i < 100000; ++i) lines.push(i % 2 === 0 ? \`${moment}\${String(i % 60).padStart(2, '0')}.\${i}\` : String(i * 7919));
  document.getElementById('lines').value = lines.join('\\n');
}`;
const firstResult = [];
const lineTimes = { UTC: [], 'Europe/Berlin': [] };
const moduleTimes = { UTC: [], 'Europe/Berlin': [] };
for (let run = 0; run < runs; ++run) {
  const page = await browser.newPage();
  await page.emulateTimezone('UTC');
  await page.goto(`${pageUrl}#t=2017-12-25T10:20:30&z=Europe/Berlin`);
  await page.waitForSelector('body[data-ready]');
  // From the start of navigation to the result on the page.
  firstResult.push(Math.round(Number(await page.$eval('body', (body) => body.dataset.firstResultMs))));
  for (const zone of ['UTC', 'Europe/Berlin']) {
    await page.select('#zone', zone === 'UTC' ? 'UTC' : zone);
    await page.evaluate(lines('2017-12-25T10:20:'));
    // The pasted text laid out first, as after a paste.
    await page.evaluate(() => new Promise((resolve) => { requestAnimationFrame(() => requestAnimationFrame(resolve)); }));
    await page.evaluate(() => { delete document.body.dataset.linesMs; });
    await page.click('#convert-lines');
    await page.waitForSelector('body[data-lines-ms]', { timeout: 60000 });
    lineTimes[zone].push(Number(await page.$eval('body', (body) => body.dataset.linesMs)));
    moduleTimes[zone].push(await page.$eval('body', ({ dataset }) =>
      `${dataset.linesModuleMs} ms in the module, ${dataset.linesYieldMs} ms answering the page, ${dataset.linesShowMs} ms showing the result`));
  }
  await page.close();
}
await close();
report('first result after opening a link', median(firstResult), 'ms', 300);
report('100,000 lines, UTC', median(lineTimes.UTC), 'ms', 1000);
console.log(`  the median run: ${moduleTimes.UTC[lineTimes.UTC.indexOf(median(lineTimes.UTC))]}`);
report('100,000 lines, Europe/Berlin', median(lineTimes['Europe/Berlin']), 'ms', 1000);
console.log(`  the median run: ${moduleTimes['Europe/Berlin'][lineTimes['Europe/Berlin'].indexOf(median(lineTimes['Europe/Berlin']))]}`);
console.log(`medians of ${runs} runs`);
process.exitCode = targets.every(Boolean) ? 0 : 1;
