#!/usr/bin/env bash
# Builds velun and runs it under Wine from out/velun/, where its settings
# files stay between runs. With a display it runs there; without one it
# starts its own X server with a Wine desktop and taskbar, takes a
# screenshot into out/ and leaves velun running.
#   scripts/run.sh          start
#   scripts/run.sh --stop   end a velun started without a display
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
state="$root/out/run.state"

if [ "${1:-}" = "--stop" ]; then
  . scripts/wine-env.sh
  if [ -f "$state" ]; then
    . "$state"
    DISPLAY="$VELUN_DISPLAY" "$WINESERVER" -k 2>/dev/null || true
    kill "$VELUN_XVFB" 2>/dev/null || true
    rm -f "$state"
    echo "velun stopped."
  else
    echo "no velun started by this script is running."
  fi
  exit 0
fi

bash scripts/setup.sh
. scripts/wine-env.sh  # which Windows tree this machine runs
cmake --preset "$VELUN_WINDOWS_PRESET" >/dev/null
cmake --build --preset "$VELUN_WINDOWS_PRESET" --target velun lumet velun_hookcore velun_scene
mkdir -p out/velun
cp "$VELUN_WINDOWS_BUILD"/bin/velun.exe "$VELUN_WINDOWS_BUILD"/bin/lumet.dll "$VELUN_WINDOWS_BUILD"/bin/VELUN.DLL out/velun/

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "velun runs on $DISPLAY in the Wine desktop window; end it with 終了(X) in its tray menu."
  cd out/velun
  exec "$WINE" velun.exe
fi

. scripts/xvfb.sh
start_wine_session
# A colourful scene under the picker, as in the README's pictures.
(cd "$VELUN_WINDOWS_BUILD"/tests && exec "$WINE" velun_scene.exe >/dev/null 2>&1 </dev/null) &
sleep 2
(cd out/velun && exec "$WINE" velun.exe >/dev/null 2>&1 </dev/null) &
velun_pid=$!
printf 'VELUN_DISPLAY=%s\nVELUN_XVFB=%s\n' "$DISPLAY" "$VELUN_XVFB_PID" > "$state"
sleep 4
xdotool mousemove 330 170  # the pointer over the hues: the picker beside it
sleep 1
if ! kill -0 "$velun_pid" 2>/dev/null; then
  echo "velun did not start"
  exit 1
fi
import -window root out/velun-screenshot.png
echo "velun runs on display $DISPLAY (its own Xvfb, pid $VELUN_XVFB_PID); files in out/velun/."
echo "Screenshot of the picker over a colourful scene, and the tray icon: out/velun-screenshot.png"
echo "Stop it with: scripts/run.sh --stop"
