// Golden values of velun's colour notations, computed by culori, a colour
// library nobody here wrote: CIE Lab and LCh (D50, CSS Color 4), OKLab and
// OKLCH, HSL, HSV and the WCAG 2 contrast come from its conversions; CMYK,
// the lower-case hexadecimal, fractions and percentages follow their
// definitions from culori's RGB. Writes a table to standard output: per
// line a colour as RRGGBB, a specifier and its text, tab-separated.
// Run by the test command before the unit test that reads the table.
import { converter, wcagContrast } from 'culori';

const lab = converter('lab');
const lch = converter('lch');
const oklab = converter('oklab');
const oklch = converter('oklch');
const hsl = converter('hsl');
const hsv = converter('hsv');

// Halves away from zero, never "-0", a hue of 360 written as 0.
function text(value, decimals, hue = false) {
  const scale = 10 ** decimals;
  let units = Math.sign(value) * Math.round(Math.abs(value) * scale);
  if (hue && units >= 360 * scale) units -= 360 * scale;
  if (Object.is(units, -0) || units === 0) units = 0;
  return (units / scale).toFixed(decimals);
}
const hueOf = (h) => (h === undefined || Number.isNaN(h) ? 0 : h);

const colours = [
  [255, 0, 0], [0, 255, 0], [0, 0, 255], [0, 255, 255], [255, 0, 255], [255, 255, 0],
  [0, 0, 0], [255, 255, 255], [1, 1, 1], [64, 64, 64], [128, 128, 128], [192, 192, 192], [254, 254, 254],
  [255, 128, 0], [230, 57, 70], [18, 52, 86], [10, 11, 255], [127, 127, 128], [200, 30, 140],
];
// And thirty more, spread over the cube by a fixed sequence.
let seed = 12345;
const next = () => (seed = (seed * 1103515245 + 12345) % 2147483648) % 256;
while (colours.length < 49) colours.push([next(), next(), next()]);

const rows = [];
for (const [R, G, B] of colours) {
  const c = { mode: 'rgb', r: R / 255, g: G / 255, b: B / 255 };
  const L = lab(c), C = lch(c), O = oklab(c), P = oklch(c), S = hsl(c), V = hsv(c);
  const k = 1 - Math.max(c.r, c.g, c.b);
  const cmy = (x) => (k >= 1 ? 0 : (1 - x - k) / (1 - k));
  const hex = (n) => n.toString(16).padStart(2, '0');
  const values = {
    rh: hex(R), gh: hex(G), bh: hex(B),
    rn: text(c.r, 3), gn: text(c.g, 3), bn: text(c.b, 3),
    rp: text(c.r * 100, 0), gp: text(c.g * 100, 0), bp: text(c.b * 100, 0),
    hh: text(hueOf(S.h), 0, true), hs: text(S.s * 100, 0), hl: text(S.l * 100, 0),
    vs: text(V.s * 100, 0), vv: text(V.v * 100, 0),
    kc: text(cmy(c.r) * 100, 0), km: text(cmy(c.g) * 100, 0), ky: text(cmy(c.b) * 100, 0), kk: text(k * 100, 0),
    ll: text(L.l, 1), la: text(L.a, 1), lb: text(L.b, 1), lc: text(C.c, 1), lh: text(hueOf(C.h), 1, true),
    ol: text(O.l * 100, 1), oa: text(O.a, 3), ob: text(O.b, 3), oc: text(P.c, 3), oh: text(hueOf(P.h), 1, true),
    ww: text(wcagContrast(c, '#ffffff'), 2), wk: text(wcagContrast(c, '#000000'), 2),
  };
  for (const [name, value] of Object.entries(values)) rows.push(`${hex(R)}${hex(G)}${hex(B)}\t%${name}\t${value}`);
}
console.log(rows.join('\n'));
