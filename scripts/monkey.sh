#!/usr/bin/env bash
# Random real input into velun from a seed: scripts/monkey.sh SEED [MINUTES].
# With VELUN_MONKEY_SESSION=1 it uses the caller's running Wine session.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seed=${1:?seed}; minutes=${2:-5}
. scripts/wine-env.sh
if [ -z "${VELUN_MONKEY_SESSION:-}" ]; then
  bash scripts/setup.sh >/dev/null || exit 1
  cmake --preset native >/dev/null && cmake --build --preset native -j 2 --target monkey_check_files >/dev/null || exit 1
  cmake --preset "$VELUN_WINDOWS_PRESET" >/dev/null &&
    cmake --build --preset "$VELUN_WINDOWS_PRESET" -j 2 --target velun lumet velun_hookcore velun_scene monkey_probe >/dev/null || exit 1
  . scripts/xvfb.sh
  trap stop_wine_session EXIT
  start_wine_session || exit 1
fi
work=$root/build/monkey
rm -rf "$work/run" && mkdir -p "$work/run"
cp "$VELUN_WINDOWS_BUILD"/bin/velun.exe "$VELUN_WINDOWS_BUILD"/bin/lumet.dll "$VELUN_WINDOWS_BUILD"/bin/VELUN.DLL "$work/run/"
# The default keys, and ctrl + P for the palette window.
python3 - "$work/run/keycfg.dat" <<'PY'
import struct, sys
with open(sys.argv[1], 'wb') as f:
    for code, ctrl, alt in [(516, 0, 1), (113, 0, 1), (112, 0, 1), (16, 0, 0), (0x50, 1, 0)]:
        f.write(struct.pack('<i8B', code, 0, ctrl, alt, 0, 0, 0, 0, 0))
PY
(cd "$VELUN_WINDOWS_BUILD/tests" && exec "$WINE" velun_scene.exe >/dev/null 2>&1 </dev/null) &
scene=$!
sleep 3
probe=$(find "$VELUN_WINDOWS_BUILD" -name monkey_probe.exe | head -1)
python3 tests/monkey/driver.py "$seed" "$minutes" "$work" "$probe" "$root/build/native/tests/monkey_check_files"
rc=$?
# The velun of this run ends with it, or a next run would talk to it.
"$WINE" taskkill /f /im velun.exe >/dev/null 2>&1 </dev/null
kill "$scene" 2>/dev/null
exit $rc
