// The exported swatch file, style sheet and JSON read by readers nobody
// here wrote: ase-utils, css-tree and JSON.parse. Each must give exactly
// the colours of expected.txt, in order. Usage: node judge_palettes.mjs FOLDER
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';

const require = createRequire(import.meta.url);
const ase = require('ase-utils');
const csstree = require('css-tree');

const dir = process.argv[2];
const expected = readFileSync(`${dir}/expected.txt`, 'utf8').trim().split('\n');
const hex = (r, g, b) => '#' + [r, g, b].map((v) => v.toString(16).padStart(2, '0').toUpperCase()).join('');
let failures = 0;
function judge(what, got) {
  const same = got.length === expected.length && got.every((c, i) => c === expected[i]);
  console.log(`${what}: ${got.length} colours, ${same ? 'the same' : 'DIFFERENT'}`);
  if (!same) {
    failures++;
    console.log(`  expected ${expected.slice(0, 4).join(' ')} ..., got ${got.slice(0, 4).join(' ')} ...`);
  }
}

const swatches = ase.decode(readFileSync(`${dir}/palette.ase`));
judge('ase-utils', swatches.colors.map((s) => {
  if (s.model !== 'RGB' || s.type !== 'global') return `bad ${s.model} ${s.type}`;
  const [r, g, b] = s.color.map((v) => Math.round(v * 255));
  return s.name === hex(r, g, b) ? hex(r, g, b) : `named ${s.name}`;
}));

const sheet = csstree.parse(readFileSync(`${dir}/palette.css`, 'utf8'), { parseCustomProperty: true });
const properties = [];
csstree.walk(sheet, {
  visit: 'Declaration',
  enter(node) {
    const value = csstree.generate(node.value).trim();
    properties.push([node.property, value.toUpperCase()]);
  },
});
judge('css-tree', properties.map(([name, value], i) => (name === `--velun-${i + 1}` ? value : `named ${name}`)));

judge('JSON.parse', JSON.parse(readFileSync(`${dir}/palette.json`, 'utf8')).map((o) =>
  o.hex === hex(o.r, o.g, o.b) ? o.hex : `inconsistent ${o.hex}`));

process.exit(failures === 0 ? 0 : 1);
