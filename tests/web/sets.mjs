// Random input sets and the desktop window's result line for each (window_line), written as
// JSON for the browsers' checks (page.mjs, webkit.py) to put through the page and compare.
// A set: [material row, current, length, diameter or area, whether it is the area, line].
// Usage: node tests/web/sets.mjs PROGRAM COUNT OUTPUT
import { execFile } from 'node:child_process';
import { writeFile } from 'node:fs/promises';
import { promisify } from 'node:util';

const [program, count, output] = process.argv.slice(2);
const run = promisify(execFile);
const materials = ['copper', 'aluminium', 'gold', 'silver', 'iron', 'lead'];
const pieces = ['0', '1', '2', '5', '9', '.', ',', 'e', '-', '+', ' ', '∞', 'x', '00', '7'];
const pick = (list) => list[Math.floor(Math.random() * list.length)];
const text = () => Array.from({ length: 1 + Math.floor(Math.random() * 8) }, () => pick(pieces))
  .join('').trim() || '0';
const sets = Array.from({ length: Number(count) },
                       () => [Math.floor(Math.random() * 6), text(), text(), text(), Math.random() < 0.5]);
for (let start = 0; start < sets.length; start += 8) {
  await Promise.all(sets.slice(start, start + 8).map(async (set) => {
    const [material, current, length, size, area] = set;
    const { stdout } = await run(program, [`--material=${materials[material]}`, `--current=${current}`,
                                           `--length=${length}`, `--${area ? 'area' : 'diameter'}=${size}`]);
    set.push(stdout.trim());
  }));
}
await writeFile(output, JSON.stringify(sets));
