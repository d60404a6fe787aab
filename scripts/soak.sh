#!/usr/bin/env bash
# The long forms of the reliability tests, run by hand (the test command
# runs them short): 200 kills during saves, 100,000 mouse moves through the
# hook, 1,000 settings cycles. Then the long fuzz runs (scripts/fuzz.sh).
#   scripts/soak.sh          everything
#   scripts/soak.sh --tests  the tests only
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh >/dev/null || exit 1
. scripts/wine-env.sh  # which Windows tree this machine runs
cmake --preset "$VELUN_WINDOWS_PRESET" >/dev/null && cmake --build --preset "$VELUN_WINDOWS_PRESET" >/dev/null || {
  echo "build failed"
  exit 1
}

. scripts/xvfb.sh
trap stop_wine_session EXIT
start_wine_session || exit 1

export VELUN_KILLS=200 VELUN_LOAD_MOVES=100000 VELUN_SETTINGS_CYCLES=1000
status=0
ctest --preset "$VELUN_WINDOWS_PRESET" -V -R 'KillDuringSave|HookLoadTest|RepeatedOpenApplyAndClose' 2>&1 |
  tee build/soak.log | grep -E 'kills|moves injected|private bytes|Passed|Failed' || true
grep -q '100% tests passed' build/soak.log || status=1
trap - EXIT
stop_wine_session

if [ "${1:-}" != "--tests" ]; then
  bash scripts/fuzz.sh || status=1
fi
exit $status
