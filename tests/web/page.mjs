// The calculator's page in a real browser, driven as a user drives it, and its result lines
// compared with the desktop window's for the same inputs.
// Usage: node tests/web/page.mjs BROWSER PAGE_FOLDER PROGRAM SETS
//   BROWSER: chromium or firefox (Debian's); PROGRAM: window_line, the desktop window's result
//   line for inputs given as the command line takes them; SETS: the random input sets with
//   their lines (tests/web/sets.mjs).
import { execFile } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { promisify } from 'node:util';
import { launch, ready, serve } from './serve.mjs';

const [browserName, folder, program, setsFile] = process.argv.slice(2);
let failures = 0;
const check = (ok, what) => {
  console.log(`${ok ? 'ok' : 'FAIL'} ${browserName}: ${what}`);
  if (!ok) failures += 1;
};
const run = promisify(execFile);
const commandLine = async (material, current, length, size, area) =>
  (await run(program, [`--material=${material}`, `--current=${current}`, `--length=${length}`,
                       `--${area ? 'area' : 'diameter'}=${size}`])).stdout.trim();

const address = await serve(folder);
const browser = await launch(browserName);
const page = await browser.newPage();
await page.setViewport({ width: 800, height: 600 });

async function open(query = '') {
  await page.goto(address + query);
  await page.waitForSelector(ready);
}
const result = () => page.$eval('#result', (r) => r.firstChild.textContent);
const value = (id) => page.$eval(`#${id}`, (f) => f.value);
async function retype(id, text) {
  await page.click(`#${id}`, { count: 3 });
  await page.keyboard.press('Backspace');
  await page.keyboard.type(text);
}

try {
  // Before its module has started (here: with none to fetch) the page shows its window as the
  // module draws it, which takes no keys; a module that cannot start is said so.
  await page.setRequestInterception(true);
  const noModule = (request) => (request.url().endsWith('.wasm') ? request.abort() : request.continue());
  page.on('request', noModule);
  const said = new Promise((resolve) => page.once('dialog', (d) => d.dismiss().then(() => resolve(d.message()))));
  await page.goto(address + '?lang=de');
  const drawn = await page.$eval('#app > .window', (w) => (w.inert ? '' : 'not inert: ') +
                                  w.querySelector('#result span').textContent);
  const message = await said;
  check(drawn.startsWith('Spannungsfall = 1,795 V') && message.startsWith('The calculator could not start'),
        `without its module: "${drawn}", and "${message}"`);
  page.off('request', noModule);
  await page.setRequestInterception(false);

  await open();
  check(await page.title() === 'Voltage Drop Calculator', 'the window\'s title is the page\'s');
  check(await result() === await commandLine('copper', '0.350', '60', '0.51054'),
        `it opens with ${await result()}`);
  check(JSON.stringify(await page.$$eval('#PopupMenu1 option', (o) => o.map((x) => x.text))) ===
        '["Copper","Aluminium","Gold","Silver","Iron","Lead"]', 'the six materials');
  check(await page.$eval('#current', (f) => f.labels[0].textContent === 'Current (A):' &&
        f.getAttribute('aria-label') === 'Current in amperes' && f.inputMode === 'decimal'),
        'a field has its caption as label, its spoken name and a decimal keyboard');

  // Typed with real keys: each row's result line is the desktop window's for the same inputs
  // (tests/web/rows.json, which the WebKit check puts in without keys).
  const rows = JSON.parse(await readFile(new URL('rows.json', import.meta.url)));
  for (const [id, text, what] of rows) {
    await retype(id, text);
    const inputs = await Promise.all(['current', 'lenght', 'diameter'].map(value));
    const expected = await commandLine('copper', ...inputs);
    check(await result() === expected, `${what}: ${await result()} (${expected})`);
  }
  check(await value('diameter') !== '1.5' && await page.$eval('#areafld', (f) => f.value === '2.5'),
        `typing the area wrote the diameter ${await value('diameter')}`);

  for (const material of ['aluminium', 'gold', 'silver', 'iron', 'lead', 'copper']) {
    await page.select('#PopupMenu1', material[0].toUpperCase() + material.slice(1));
    const inputs = await Promise.all(['current', 'lenght', 'diameter'].map(value));
    check(await result() === await commandLine(material, ...inputs), `${material}: ${await result()}`);
  }

  // The status line's words change once typing pauses, the unit in words.
  await retype('current', '1');
  const heard = await page.waitForFunction(() => {
    const [shown, spoken] = document.querySelector('#result').children;
    return spoken.textContent === shown.textContent.replace(/V$/, ' volts') && spoken.textContent;
  }, { timeout: 3000 }).then((h) => h.jsonValue(), () => null);
  check(heard !== null && heard !== 'Voltage drop = 1.795 volts', `the status line says "${heard}"`);

  // A change without a key (a phone's keyboard, a drop) rewrites the other field too.
  await page.$eval('#diameter', (f) => {
    f.value = '2';
    f.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText', data: '2' }));
  });
  check(await value('areafld') !== '2.5', `a change with no key rewrote the area: ${await value('areafld')}`);
  await page.$eval('#current', (f) => {
    f.focus();
    document.execCommand('insertText', false, '9'.repeat(40000));
  });
  check((await value('current')).length === 32767, 'a field keeps 32,767 characters of a paste');

  // The Edit menu acts on the field the menus took the focus from.
  await retype('lenght', '123');
  await page.click('[role=menubar] > button:nth-of-type(2)');
  const items = await page.$$eval('[role=menu]:not([hidden]) [role=menuitem]',
    (all) => all.map((i) => `${i.firstChild.textContent}:${i.getAttribute('aria-disabled')}`));
  // Typed with nothing selected: cut, copy and delete have nothing to act on.
  check(items.join() === 'Undo:false,Cut:true,Copy:true,Paste:false,Delete:true,Select All:false',
        `the Edit menu: ${items.join()}`);
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('Enter');
  check(await page.$eval('#lenght', (f) => document.activeElement === f && f.selectionEnd - f.selectionStart === 3),
        'Edit > Select All selected the field\'s text and gave the focus back');
  await page.click('[role=menubar] > button:nth-of-type(2)');
  await page.keyboard.press('a');
  check(await value('lenght') === '123', `the item's letter chose it and typed nothing: ${await value('lenght')}`);
  await page.keyboard.press('F10');
  await page.keyboard.press('ArrowDown');
  check(await page.$eval('[role=menu]:not([hidden]) [role=menuitem]', (i) => document.activeElement === i),
        'F10 and Down open the File menu on its first item');
  await page.keyboard.press('Escape');
  check(await page.$$eval('[role=menu]:not([hidden])', (m) => m.length) === 0, 'Escape closes it');

  // The wire tables: on hover, and on Ctrl+F1 in the field, named to a screen reader.
  await page.hover('label[for=diameter]');
  check(await page.$eval('#tooltip', (t) => !t.hidden && t.textContent.startsWith('AWG 24 = 0.51054 mm')),
        'hovering the caption shows the diameter\'s table');
  await page.focus('#areafld');
  await page.keyboard.down('Control');
  await page.keyboard.press('F1');
  await page.keyboard.up('Control');
  check(await page.$eval('#tooltip', (t) => !t.hidden && t.textContent.includes('mm2')) &&
        await page.$eval('#areafld', (f) => document.getElementById(f.getAttribute('aria-describedby'))
          .textContent === 'Wire sizes: Ctrl+F1'), 'Ctrl+F1 shows the area\'s table; the field is described');

  // German from the browser's languages (passing over the first, which has no translation),
  // with its decimal comma.
  const languages = await page.evaluateOnNewDocument(() =>
    Object.defineProperty(navigator, 'languages', { get: () => ['ja', 'de-DE'] }));
  await open();
  await page.removeScriptToEvaluateOnNewDocument(languages.identifier);
  check(await page.title() === 'Spannungsfall-Rechner' && await value('current') === '0,350' &&
        await page.evaluate(() => document.documentElement.lang === 'de-DE') &&
        (await result()).includes('1,795'), `German: ${await page.title()}, ${await result()}`);
  await retype('current', '2.5');
  check((await result()).includes(',') && await result() !== '', `German reads "2.5": ${await result()}`);
  await page.hover('label[for=diameter]');
  check(await page.$eval('#tooltip', (t) => t.textContent.startsWith('AWG 24 = 0,51054 mm')),
        'German: the wire table of several lines is German too');

  // A phone's width, and the page at 200 %: nothing clipped, no sideways scrolling.
  for (const [width, scale] of [[390, 1], [640, 2]]) {
    await page.setViewport({ width, height: 700, deviceScaleFactor: scale });
    await open('?lang=de');
    const fits = await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth &&
      [...document.querySelectorAll('.control')].every((c) => c.getBoundingClientRect().right <= innerWidth &&
        (c.tagName !== 'LABEL' && c.id !== 'result' || c.scrollWidth <= c.clientWidth + 1)));
    check(fits, `${width} px wide: every control and text fits`);
  }
  await page.setViewport({ width: 800, height: 600 });

  if (browserName === 'chromium') {
    // Dark: every text at 4.5:1 at least, the focus ring at 3:1.
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
    await open();
    const contrasts = await page.evaluate(() => {
      const rgb = (c) => c.match(/[\d.]+/g).slice(0, 3).map(Number);
      const lum = (c) => rgb(c).map((v) => v / 255).map((v) => (v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
        .reduce((s, v, i) => s + v * [0.2126, 0.7152, 0.0722][i], 0);
      const ratio = (a, b) => (Math.max(lum(a), lum(b)) + 0.05) / (Math.min(lum(a), lum(b)) + 0.05);
      const back = (e) => { for (; e; e = e.parentElement) { const b = getComputedStyle(e).backgroundColor; if (!b.endsWith(', 0)') && b !== 'transparent') return b; } return 'rgb(255,255,255)'; };
      const texts = [...document.querySelectorAll('.control, [role=menubar] > button')]
        .map((e) => ratio(getComputedStyle(e).color, back(e)));
      const field = document.querySelector('#current');
      field.focus();
      return { text: Math.min(...texts), ring: ratio(getComputedStyle(field).outlineColor, back(field.parentElement)) };
    });
    check(contrasts.text >= 4.5 && contrasts.ring >= 3,
          `dark: texts at ${contrasts.text.toFixed(2)}:1 at least, the ring at ${contrasts.ring.toFixed(2)}:1`);
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'light' }]);

    // Installable, and once loaded it works with the network gone.
    await page.evaluate(() => navigator.serviceWorker.ready);
    const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
    await page.setOfflineMode(true);
    await page.reload();
    const offline = await page.waitForSelector(ready, { timeout: 5000 }).then(() => true, () => false);
    await page.setOfflineMode(false);
    check(installabilityErrors.length === 0 && offline,
          `installable (${JSON.stringify(installabilityErrors)}), and works offline once loaded`);
  }

  // The random sets through the page's fields, against the desktop window (tests/web/sets.mjs).
  await open();
  const sets = JSON.parse(await readFile(setsFile));
  await page.addScriptTag({ path: new URL('drive.js', import.meta.url).pathname });
  const lines = await page.evaluate((all) => window.driveSets(all), sets);
  const mismatches = sets.filter((set, i) => set[5] !== lines[i]);
  for (const set of mismatches.slice(0, 5)) console.log(`  ${JSON.stringify(set)}: ${lines[sets.indexOf(set)]}`);
  check(mismatches.length === 0,
        `${sets.length} random input sets: ${mismatches.length} mismatches with the desktop window`);

  // File > Quit: the page closes where it may, and otherwise leaves the calculator.
  await page.click('[role=menubar] > button');
  await page.click('[role=menu]:not([hidden]) [role=menuitem]');
  const ended = await page.waitForFunction(() => location.href === 'about:blank', { timeout: 3000 })
    .then(() => true, () => page.isClosed());
  check(ended, 'File > Quit ends the calculator');
} finally {
  await browser.close();
}
process.exit(failures ? 1 : 0);
