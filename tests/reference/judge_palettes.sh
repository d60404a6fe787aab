#!/usr/bin/env bash
# velun's exported palettes read by readers nobody here wrote: Pillow's GIMP
# palette reader (Debian's python3-pil), ase-utils, css-tree and JSON.parse
# (the npm packages that scripts/setup.sh installs into build/reference).
# Usage: judge_palettes.sh SAMPLE_WRITER WORK_FOLDER REFERENCE_FOLDER
set -euo pipefail
writer=$1 work=$2 reference=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work"
"$writer" "$work"

# Pillow keeps a slot for every line after the first, comments and
# "Name:" / "Columns:" lines too: velun's three come before the colours.
# Debian's own Python, which its Pillow is installed for.
/usr/bin/python3 - "$work" <<'PY'
import sys
from PIL.GimpPaletteFile import GimpPaletteFile
work = sys.argv[1]
expected = open(f"{work}/expected.txt").read().split()
with open(f"{work}/palette.gpl", "rb") as f:
    palette, mode = GimpPaletteFile(f).getpalette()
got = ["#%02X%02X%02X" % tuple(palette[3 * i:3 * i + 3]) for i in range(3, 3 + len(expected))]
same = got == expected and mode == "RGB"
print(f"Pillow GimpPaletteFile: {len(got)} colours, {'the same' if same else 'DIFFERENT'}")
sys.exit(0 if same else 1)
PY

cp "$here/judge_palettes.mjs" "$reference/"
node "$reference/judge_palettes.mjs" "$work"
