#!/usr/bin/env bash
# The one test command: installs what is missing, builds every tree, runs
# the native suite (also under ASan + UBSan), the fuzz smoke runs and the
# Windows suite under Wine in a private X server. Exits non-zero on failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh || { echo "setup failed"; exit 1; }
. scripts/wine-env.sh

jobs=$(nproc 2>/dev/null || echo 2)
# The 32-bit deliverables are always built; where this machine runs no
# 32-bit code, the Windows suite runs on the x86-64 build of the same code.
presets=(native sanitize fuzz win32)
[ "$VELUN_WINDOWS_PRESET" = win32 ] || presets+=("$VELUN_WINDOWS_PRESET")
for preset in "${presets[@]}"; do
  echo "== build $preset"
  if ! { cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 &&
         cmake --build --preset "$preset" -j "$jobs"; }; then
    cat "build/configure-$preset.log" 2>/dev/null | tail -20
    echo "build of $preset failed"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
# The packages, which the package tests install under Wine: the
# deliverables, and where only x86-64 runs the same packaged for x86-64.
package_presets=(win32)
[ "$VELUN_WINDOWS_PRESET" = win32 ] || package_presets+=("$VELUN_WINDOWS_PRESET")
: >build/package.log
package_failed=0
for preset in "${package_presets[@]}"; do
  cmake --build --preset "$preset" --target package >>build/package.log 2>&1 || package_failed=1
done
if [ "$package_failed" = 1 ]; then
  tail -20 build/package.log
  echo "packaging failed"
  echo "0 passed, 1 failed"
  exit 1
fi

. scripts/xvfb.sh
trap stop_wine_session EXIT
start_wine_session || exit 1

passed=0
failed=0
summaries=()
# Rarely (once in some thousands of starts) Wine ends a program at once,
# before it has run and without a word. Such a Windows test is started once
# more, and the summary names it. A test that ran and failed has printed its
# output, and a crash stops at Wine's crash dialog until the time-out, so
# neither is ever repeated.
unstarted_tests() {
  /usr/bin/python3 - "$1" <<'EOF'
import sys
import xml.etree.ElementTree as ET
for case in ET.parse(sys.argv[1]).getroot().iter("testcase"):
    if (case.get("status") == "fail" and not (case.findtext("system-out") or "").strip()
            and float(case.get("time", "0")) < 10):
        print(case.get("name"))
EOF
}

run_suite() {
  local preset=$1 log="build/ctest-$1.log" junit="$root/build/junit-$1.xml"
  echo "== test $preset"
  ctest --preset "$preset" --output-junit "$junit" 2>&1 | tee "$log"
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    summaries+=("$preset: no summary (ctest did not run)")
    return
  fi
  local f t
  f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
  if [ "$f" -gt 0 ] && [ "$preset" = "$VELUN_WINDOWS_PRESET" ]; then
    local name
    for name in $(unstarted_tests "$junit"); do
      echo "== $name ended before it ran: started again"
      if ctest --preset "$preset" -R "^${name//./\\.}\$" 2>&1 | tee -a "$log" | grep '100% tests passed' >/dev/null; then
        f=$((f - 1))
        line="$line; $name started again and passed"
      fi
    done
  fi
  passed=$((passed + t - f))
  failed=$((failed + f))
  summaries+=("$preset: $line")
}

run_suite native
run_suite sanitize
run_suite fuzz
if [ "$VELUN_WINDOWS_PRESET" != win32 ]; then
  echo "== this machine runs no 32-bit code: the Windows suite runs the x86-64 build under 64-bit Wine"
  echo "   (the package tests install the x86-64 installer packaged from the same script)"
fi
run_suite "$VELUN_WINDOWS_PRESET"

# The monkey, about two minutes in this session, counted as one test: a
# fixed seed, and one from the date so that each day tries new paths.
monkey_seeds=(1 "$(date -u +%Y%m%d)")
echo "== monkey, seeds ${monkey_seeds[*]}"
if VELUN_MONKEY_SESSION=1 scripts/monkey.sh "${monkey_seeds[0]}" 1 &&
   VELUN_MONKEY_SESSION=1 scripts/monkey.sh "${monkey_seeds[1]}" 1; then
  passed=$((passed + 1)); summaries+=("monkey: seeds ${monkey_seeds[*]} passed")
else
  failed=$((failed + 1)); summaries+=("monkey: seeds ${monkey_seeds[*]} FAILED")
fi

echo
echo "== summary"
for s in "${summaries[@]}"; do echo "$s"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
