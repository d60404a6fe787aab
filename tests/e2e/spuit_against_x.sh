#!/usr/bin/env bash
# The spuit judged by what nobody here wrote: velun runs over a colourful
# scene, the X pointer and keyboard (xdotool) move it and press the default
# spuit binding (alt + right click), the colour it copies is read from the X
# clipboard (xclip) and compared with the X server's own framebuffer at the
# pointer (a root-window capture). Runs inside the test session's display.
#   spuit_against_x.sh <dir of velun.exe and its libraries> <dir of velun_scene.exe>
set -uo pipefail
program=$1
scene_dir=$2
. "$(dirname "$0")/../../scripts/wine-env.sh"
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }

work=$(mktemp -d)
pids=()
finish() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
cp "$program/velun.exe" "$program/lumet.dll" "$program/VELUN.DLL" "$work/"

(cd "$scene_dir" && exec "$WINE" velun_scene.exe >/dev/null 2>&1 </dev/null) &
pids+=($!)
sleep 2
(cd "$work" && exec "$WINE" velun.exe >/dev/null 2>&1 </dev/null) &
pids+=($!)
sleep 3

# The framebuffer's pixel as #RRGGBB, the form of the default spuit format.
framebuffer() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
}

failures=0
# Gradients, single-pixel stripes (a position one pixel off gives another
# colour), patches and the screen's corners, where the picker flips.
for point in "100 40" "517 200" "333 271" "1000 380" "1001 380" "1002 380" "900 300" "600 500" "0 0" "1023 700"; do
  set -- $point
  printf 'before' | xclip -selection clipboard
  xdotool mousemove "$1" "$2"
  sleep 0.5
  want=$(framebuffer "$1" "$2")
  xdotool keydown alt click 3 keyup alt
  got=""
  for _ in $(seq 30); do
    got=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\0')
    [ "$got" != "before" ] && break
    sleep 0.1
  done
  if [ "$got" = "$want" ]; then
    echo "ok   ($1, $2): $got"
  else
    echo "FAIL ($1, $2): velun copied '$got', the X server shows '$want'"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
