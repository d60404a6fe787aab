#!/usr/bin/env bash
# Takes the README's pictures from the real program: velun runs under Wine
# in a private X server over a colourful scene and is driven with the X
# pointer and keyboard (xdotool), as a user would. PNGs go to docs/images/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh
. scripts/wine-env.sh  # which Windows tree this machine runs
cmake --preset "$VELUN_WINDOWS_PRESET" >/dev/null
cmake --build --preset "$VELUN_WINDOWS_PRESET" --target velun lumet velun_hookcore velun_scene >/dev/null

. scripts/xvfb.sh
trap stop_wine_session EXIT
start_wine_session || exit 1

work=$root/build/screenshots
images=$root/docs/images
rm -rf "$work" && mkdir -p "$work" "$images"
cp "$VELUN_WINDOWS_BUILD"/bin/velun.exe "$VELUN_WINDOWS_BUILD"/bin/lumet.dll "$VELUN_WINDOWS_BUILD"/bin/VELUN.DLL "$work/"
# Both palettes on, the collect palette small enough to show its colours.
printf 'VP120\0' >"$work/palette.dat"
python3 - "$work/palette.dat" <<'EOF'
import struct, sys
with open(sys.argv[1], 'ab') as f:
    f.write(struct.pack('<6i', 0, 10, 10, 0, 20, 1))
    f.write(struct.pack('<6i', 0, 30, 30, 48, 20, 1))
EOF
# The default keys, and ctrl + P for the palette window.
python3 - "$work/keycfg.dat" <<'EOF'
import struct, sys
with open(sys.argv[1], 'wb') as f:
    for code, ctrl, alt in [(516, 0, 1), (113, 0, 1), (112, 0, 1), (16, 0, 0), (0x50, 1, 0)]:
        f.write(struct.pack('<i8B', code, 0, ctrl, alt, 0, 0, 0, 0, 0))
EOF

shot() { sleep "${2:-0.8}"; import -window root "$work/$1.png"; }
crop() { convert "$work/$1.png" -crop "$2" +repage "$images/$3.png"; }
key() { xdotool key --delay 120 "$@"; sleep 0.4; }

(cd "$VELUN_WINDOWS_BUILD/tests" && exec "$WINE" velun_scene.exe >/dev/null 2>&1 </dev/null) &
sleep 3
(cd "$work" && exec "$WINE" velun.exe >/dev/null 2>&1 </dev/null) &
sleep 4

# The picker over the hues, then over the patches.
xdotool mousemove 330 170
shot picker
crop picker 420x200+230+110 picker

# The zoom view over the fine detail: Shift held.
xdotool mousemove 742 330
sleep 0.5
xdotool keydown shift
shot zoom
xdotool keyup shift
crop zoom 300x220+620+250 zoom

# Colours for the palettes: the spuit (alt + right click) over patches, and
# the collect palette gathering what the pointer passes over.
for p in "60 360" "170 520" "280 680" "400 360" "510 520" "620 680" "60 680"; do
  xdotool mousemove $p
  sleep 0.3
  xdotool keydown alt click 3 keyup alt
  sleep 0.3
done
for x in $(seq 20 40 1000); do xdotool mousemove "$x" 120; sleep 0.05; done

# The tray menu: a right click on the icon at the taskbar's right end.
xdotool mousemove 1013 757
sleep 0.5
xdotool click 3
shot tray
crop tray 260x230+760+530 tray-menu
key Escape

# The palette window, by its key (ctrl + P), with both tabs.
xdotool mousemove 500 200
sleep 0.5
key ctrl+p
sleep 1
shot palette-spuit
xdotool mousemove 160 132 click 1  # the tab コレクト
xdotool mousemove 700 650             # the picker out of the way
shot palette-collect
crop palette-spuit 240x420+70+70 palette-spuit-part
crop palette-collect 240x420+70+70 palette-collect-part
convert "$images/palette-spuit-part.png" "$images/palette-collect-part.png" +append "$images/palette.png"
rm -f "$images/palette-spuit-part.png" "$images/palette-collect-part.png"
key Escape

# Two pages of the settings: a second start opens them.
(cd "$work" && "$WINE" velun.exe >/dev/null 2>&1 </dev/null)
shot settings-picker 1.5
crop settings-picker 340x400+342+180 settings-picker
key ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
shot settings-keys
crop settings-keys 340x400+342+180 settings-keys

# The same page on an English Windows (code page 1252, from the locale),
# beside the Japanese one. Wine takes a program's code pages from the Unix
# locale it starts in.
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w >/dev/null 2>&1 || true
(cd "$work" && LANG=en_US.UTF-8 exec "$WINE" velun.exe >/dev/null 2>&1 </dev/null) &
sleep 4
(cd "$work" && LANG=en_US.UTF-8 "$WINE" velun.exe >/dev/null 2>&1 </dev/null)
shot settings-1252 1.5
crop settings-1252 340x400+342+180 settings-1252
convert "$images/settings-picker.png" "$images/settings-1252.png" +append "$images/settings-code-pages.png"
rm -f "$images/settings-1252.png"

ls "$images"
