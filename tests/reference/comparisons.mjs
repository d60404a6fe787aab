// Golden values of velun's checks of a colour against a reference colour,
// from libraries nobody here wrote: culori's WCAG 2 contrast ratio,
// CIEDE2000 and nearest named colour, apca-w3's lightness contrast Lc (the
// colour as text on the reference), color-name's list of CSS names. Writes
// per line: colour and reference as RRGGBB, %wr, the grade (by the ratio
// unrounded, as WCAG grades), %ap, %de, %cn, %cd, and a second name that is
// as good within 0.005 ('-' if none), tab-separated.
import { colorsNamed, differenceCiede2000, nearest, wcagContrast } from 'culori';
import { APCAcontrast, sRGBtoY } from 'apca-w3';
import cssNames from 'color-name';

const names = Object.keys(cssNames);
const hex = ([r, g, b]) => [r, g, b].map((v) => v.toString(16).padStart(2, '0')).join('');
if (names.length !== 148 || names.join() !== Object.keys(colorsNamed).join() ||
    names.some((n) => Number.parseInt(hex(cssNames[n]), 16) !== colorsNamed[n]))
  throw new Error('culori and color-name name different colours');

// Halves away from zero, never "-0".
const text = (v, d) => { const u = Math.sign(v) * Math.round(Math.abs(v) * 10 ** d); return (u || 0) / 10 ** d; };
const fixed = (v, d) => text(v, d).toFixed(d);
const rgb = ([r, g, b]) => ({ mode: 'rgb', r: r / 255, g: g / 255, b: b / 255 });
const de = differenceCiede2000();
const nearestName = nearest(names, de);

let seed = 2024;
const next = () => (seed = (Math.imul(seed, 1103515245) + 12345) >>> 0) >>> 24;
const random = () => [next(), next(), next()];

const pairs = [
  [[0, 0, 0], [255, 255, 255]], [[255, 255, 255], [0, 0, 0]], [[128, 128, 128], [128, 128, 128]],
  [[255, 0, 0], [0, 255, 0]], [[0, 0, 255], [255, 255, 0]], [[18, 52, 86], [18, 52, 87]],
];
// The grade edges: ratios just below and above 3, 4.5 and 7, most within
// the last 0.005 below, where the ratio rounds up onto the threshold.
for (const t of [3, 4.5, 7]) {
  const want = { below: 10, above: 6, near: 4 };
  while (want.below + want.above + want.near > 0) {
    const pair = [random(), random()];
    const r = wcagContrast(rgb(pair[0]), rgb(pair[1]));
    const side = r >= t - 0.005 && r < t ? 'below' : r >= t && r < t + 0.01 ? 'above' : r >= t - 0.02 && r < t ? 'near' : null;
    if (side && want[side] > 0) {
      --want[side];
      pairs.push(pair);
    }
  }
}
// The names' near ties: halfway between two names that lie close, and
// every fourth name itself (with its duplicates, aqua and cyan and the rest).
for (let i = 0; i < names.length; ++i) {
  for (let j = i + 1; j < names.length; ++j) {
    const [a, b] = [cssNames[names[i]], cssNames[names[j]]];
    if (de(names[i], names[j]) < 6) pairs.push([a.map((v, k) => Math.round((v + b[k]) / 2)), random()]);
  }
  if (i % 4 === 0) pairs.push([cssNames[names[i]], random()]);
}
while (pairs.length < 400) pairs.push([random(), random()]);

const rows = pairs.map(([c, ref]) => {
  const [s, r] = [rgb(c), rgb(ref)];
  const ratio = wcagContrast(s, r);
  const grade = ratio >= 7 ? 'AAA' : ratio >= 4.5 ? 'AA' : ratio >= 3 ? 'AA-large' : 'fail';
  const [name] = nearestName(s);
  const d = de(s, name);
  const other = names.find((n) => n !== name && hex(cssNames[n]) !== hex(cssNames[name]) && de(s, n) - d < 0.005);
  const lc = APCAcontrast(sRGBtoY(c), sRGBtoY(ref));
  return [hex(c), hex(ref), fixed(ratio, 2), grade, fixed(lc, 1), fixed(de(s, r), 2), name, fixed(d, 2), other ?? '-'].join('\t');
});
console.log(rows.join('\n'));
