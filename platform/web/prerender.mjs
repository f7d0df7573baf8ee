// Writes into the page's index.html the window as the module first shows it, in each language,
// so that the page draws it as soon as its style has come and the module takes its place once
// it has started. The module runs in jsdom (Debian's node-jsdom): it builds its window there as
// in a browser, but with no layout; page.js fits the drawn window to the page's font.
// Usage: node prerender.mjs PAGE_FOLDER LANGUAGE...   (LANGUAGE as the translations name it: pt_BR)
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const { JSDOM, VirtualConsole } = createRequire(import.meta.url)('jsdom');
const [folder, ...languages] = process.argv.slice(2);
const marker = '/* the window as it first shows, by language */ {}';
const page = readFileSync(`${folder}/index.html`, 'utf8');
if (!page.includes(marker)) throw new Error(`${folder}/index.html has no "${marker}"`);

async function drawn(language) {
  const errors = new VirtualConsole().on('jsdomError', (error) => { throw error; });
  errors.on('error', (...message) => { throw new Error(message.join(' ')); });
  const dom = new JSDOM(page, {
    url: `https://localhost/?lang=${language.replace('_', '-')}`,
    runScripts: 'dangerously',
    pretendToBeVisual: true,
    virtualConsole: errors,
    beforeParse(window) {
      window.WebAssembly = WebAssembly;
      window.fetch = async (file) => new Response(readFileSync(`${folder}/${file}`),
                                                  { headers: { 'content-type': 'application/wasm' } });
    },
  });
  const { document, Module } = dom.window;
  for (let wait = 0; !document.querySelector('#app > .window:not([inert])'); ++wait) {
    if (wait === 500) throw new Error(`the module showed no window in ${language}`);
    await new Promise((resolve) => setTimeout(resolve, 10));
  }
  const window = [document.title, Module.page.snapshot()];
  dom.window.close();
  return window;
}

const windows = {};
for (const language of languages) windows[language] = await drawn(language);
// Inside a script, "</script" would end it: every "<" is written as the script's "\u003c".
const json = JSON.stringify(windows).replace(/</g, '\\u003c');
writeFileSync(`${folder}/index.html`, page.replace(marker, () => json));
