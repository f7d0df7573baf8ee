// Measures the calculator's page in headless Chromium against its floor: a static page with the
// same elements (the page's own, as it shows them, with its style and their texts) and no
// script. Each run opens both in turn in a fresh page with the browser's cache off; the time to
// first contentful paint, which on the calculator's page is the window with its result, is taken
// from the browser's paint timing. Then the work of one keystroke in the page: an input event in
// the length field through the handlers to the new result line, timed in the page over 2,000
// keystrokes.
// Usage: node bench/web.mjs PAGE_FOLDER [RUNS]   (bench/web.sh builds the page and runs it)
import { launch, ready, serve } from '../tests/web/serve.mjs';

const [folder, runs = '21'] = process.argv.slice(2);
const floor = {};
const address = await serve(folder, floor);
const browser = await launch('chromium');
const page = await browser.newPage();
await page.goto(address);
await page.waitForSelector(ready);
const shown = `<div id="app">${await page.evaluate(() => Module.page.snapshot())}</div>`;
floor['/floor.html'] = `<!doctype html><html lang="en"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1"><title>Voltage Drop Calculator</title>
<link rel="stylesheet" href="page.css"></head><body>${shown}</body></html>`;
await page.close();

async function paint(url) {
  const tab = await browser.newPage();
  await tab.setCacheEnabled(false);
  await tab.goto(url);
  const time = await tab.waitForFunction(() => {
    const entry = performance.getEntriesByName('first-contentful-paint')[0];
    return entry && document.querySelector('#result span') && entry.startTime;
  }).then((handle) => handle.jsonValue());
  await tab.close();
  return time;
}
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const times = { page: [], floor: [] };
await paint(address);  // unmeasured: the server's files read once
for (let run = 0; run < Number(runs); ++run) {
  times.page.push(await paint(address));
  times.floor.push(await paint(address + 'floor.html'));
}
const [pageMs, floorMs] = [median(times.page), median(times.floor)];
const ratio = median(times.page.map((ms, run) => ms / times.floor[run]));
console.log(`first paint with the result, median of ${runs}: page ${pageMs.toFixed(1)} ms, ` +
            `floor ${floorMs.toFixed(1)} ms, ratio ${(pageMs / floorMs).toFixed(2)} ` +
            `(run by run: ${ratio.toFixed(2)})`);

const tab = await browser.newPage();
await tab.goto(address);
await tab.waitForSelector(ready);
const keystroke = await tab.evaluate(() => {
  const field = document.getElementById('lenght');
  const start = performance.now();
  for (let key = 0; key < 2000; ++key) {
    field.value = String(60 + (key % 40));
    field.dispatchEvent(new InputEvent('input', { inputType: 'insertText', data: '0' }));
  }
  return (performance.now() - start) / 2000;
});
console.log(`one keystroke's work in the page: ${(keystroke * 1000).toFixed(1)} µs (mean of 2,000)`);
await browser.close();
