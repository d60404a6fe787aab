// Golden values of velun's checks of a colour against a reference colour, from libraries nobody
// here wrote: culori's WCAG 2 ratio, CIEDE2000 and nearest name, apca-w3's Lc (the colour as text
// on the reference), color-name's CSS names. Per line, tab-separated: colour and reference as
// RRGGBB, then the texts %wr, %wg, %ap, %de, %cn and %cd may give, '|' between them: a number
// within one unit of its last digit, either of two names as near within 0.005; for %wg the ratio
// unrounded (WCAG grades by it).
import { colorsNamed, differenceCiede2000, nearest, wcagContrast } from 'culori';
import { APCAcontrast, sRGBtoY } from 'apca-w3';
import cssNames from 'color-name';

const names = Object.keys(cssNames);
const hex = ([r, g, b]) => [r, g, b].map((v) => v.toString(16).padStart(2, '0')).join('');
if (names.join() !== Object.keys(colorsNamed).join()) throw new Error('culori and color-name name other colours');

// Halves away from zero, never "-0".
const fixed = (v, d) => ((Math.sign(v) * Math.round(Math.abs(v) * 10 ** d) || 0) / 10 ** d).toFixed(d);
const near = (v, d) => [-1, 0, 1].map((k) => fixed(Number(fixed(v, d)) + k / 10 ** d, d)).join('|');
const rgb = ([r, g, b]) => ({ mode: 'rgb', r: r / 255, g: g / 255, b: b / 255 });
const de = differenceCiede2000();
const nearestName = nearest(names, de);

let seed = 2024;
const next = () => (seed = (Math.imul(seed, 1103515245) + 12345) >>> 0) >>> 24;
const random = () => [next(), next(), next()];

const pairs = [[[0, 0, 0], [255, 255, 255]], [[255, 255, 255], [0, 0, 0]], [[128, 128, 128], [128, 128, 128]],
  [[255, 0, 0], [0, 255, 0]], [[0, 0, 255], [255, 255, 0]], [[18, 52, 86], [18, 52, 87]]];
// The grade edges: ratios just below and above 3, 4.5 and 7, most within
// the last 0.005 below, where the ratio rounds up onto the threshold.
for (const t of [3, 4.5, 7]) {
  for (const want = { below: 10, above: 6, near: 4 }; want.below + want.above + want.near > 0;) {
    const pair = [random(), random()];
    const r = wcagContrast(rgb(pair[0]), rgb(pair[1]));
    const side = r >= t - 0.005 && r < t ? 'below' : r >= t && r < t + 0.01 ? 'above' : r >= t - 0.02 && r < t ? 'near' : null;
    if (want[side] > 0) { --want[side]; pairs.push(pair); }
  }
}
// The names' near ties: halfway between two names that lie close, and
// every fourth name itself (with its duplicates, aqua and cyan and the rest).
names.forEach((n, i) => {
  for (const m of names.slice(i + 1))
    if (de(n, m) < 6) pairs.push([cssNames[n].map((v, k) => Math.round((v + cssNames[m][k]) / 2)), random()]);
  if (i % 4 === 0) pairs.push([cssNames[n], random()]);
});
while (pairs.length < 400) pairs.push([random(), random()]);

console.log(pairs.map(([c, ref]) => {
  const [s, r] = [rgb(c), rgb(ref)];
  const ratio = wcagContrast(s, r);
  const [name] = nearestName(s);
  const d = de(s, name);
  const other = names.find((n) => n !== name && hex(cssNames[n]) !== hex(cssNames[name]) && de(s, n) - d < 0.005);
  return [hex(c), hex(ref), near(ratio, 2), ratio, near(APCAcontrast(sRGBtoY(c), sRGBtoY(ref)), 1), near(de(s, r), 2),
    other ? `${name}|${other}` : name, near(d, 2)].join('\t');
}).join('\n'));
