// What the page's checks and its benchmark share: a static server for the page's folder on a
// free port of 127.0.0.1 (with `extra` pages of its own), and Debian's Chromium or Firefox ESR,
// headless, driven by puppeteer-core.
import { readFile } from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.css': 'text/css', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json' };

export async function serve(folder, extra = {}) {
  const server = http.createServer(async (request, response) => {
    const name = new URL(request.url, 'http://x').pathname.replace(/\/$/, '/index.html');
    try {
      const body = extra[name] ?? await readFile(path.join(folder, path.normalize(name)));
      response.writeHead(200, { 'content-type': types[path.extname(name)] || 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  }).listen(0, '127.0.0.1');
  await new Promise((resolve) => server.once('listening', resolve));
  server.unref();
  return `http://127.0.0.1:${server.address().port}/`;
}

export const launch = (browser) => puppeteer.launch(browser === 'firefox'
  ? { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true }
  : { executablePath: '/usr/bin/chromium', headless: true,
      args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
             '--disable-component-update', '--disable-sync'] });

// The program's own window, in the place of the one the page showed first (which is inert).
export const ready = '#app > .window:not([inert]) #result span';
