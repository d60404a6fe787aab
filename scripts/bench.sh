#!/usr/bin/env bash
# Runs every benchmark and prints its figures: the native ones, then under
# Wine in a private X server the sampling, picker and palette benchmarks,
# velun against its floor programs (start-up, footprint, move latency),
# and velun's CPU use while the mouse rests against a program that only
# reads one pixel on a 20 ms timer.
#   scripts/bench.sh            everything
#   scripts/bench.sh --idle S   the CPU comparison over S seconds (default 10)
#   scripts/bench.sh --trace    only where one start of velun and of its
#                               floor goes: what each loads and creates, in
#                               ms from CreateProcess, per thread
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
idle_seconds=10
trace_only=0
if [ "${1:-}" = "--idle" ]; then idle_seconds=${2:-10}; fi
if [ "${1:-}" = "--trace" ]; then trace_only=1; fi

bash scripts/setup.sh || exit 1
. scripts/wine-env.sh  # which Windows tree this machine runs
for preset in native "$VELUN_WINDOWS_PRESET"; do
  cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" >/dev/null || {
    echo "build of $preset failed"
    exit 1
  }
done

. scripts/xvfb.sh
trap stop_wine_session EXIT
start_wine_session || exit 1

out=$root/build/bench
mkdir -p "$out"

# velun and its floors side by side in one folder, as the launcher wants them.
floors=$out/floors
rm -rf "$floors" && mkdir -p "$floors"
cp "$VELUN_WINDOWS_BUILD"/bin/velun.exe "$VELUN_WINDOWS_BUILD"/bin/lumet.dll "$VELUN_WINDOWS_BUILD"/bin/VELUN.DLL "$floors/"
cp "$VELUN_WINDOWS_BUILD"/bench/{startup_floor,move_floor,floor_bench}.exe "$floors/"

# Wine's trace of one start: DLL loads and window creations, with the
# thread, in ms from the launcher's CreateProcess.
start_trace() {
  (cd "$floors" && "$WINE" ./floor_bench.exe --trace "$1" >"$out/trace-$1.txt" 2>&1 </dev/null)
  perl -ne '
    if (/^(\d+): CreateProcess/) { $t0 = $1; next }
    if (/^(\d+): input idle/) { printf "%6.0f  input idle\n", $1 - $t0; next }
    printf "%6.0f  %s  load    %s\n", $1 * 1000 - $t0, $2, $3 if /^([\d.]+):(\w+):trace:loaddll:.*Loaded L"(?:.*\\)?([^"\\]*)"/;
    printf "%6.0f  %s  window  %s\n", $1 * 1000 - $t0, $2, $3 if /^([\d.]+):(\w+):trace:win:WIN_CreateWindowEx .* L"([^"]*)"/;
  ' "$out/trace-$1.txt"
}
if [ "$trace_only" = 1 ]; then
  for program in velun.exe startup_floor.exe; do
    echo "== one start of $program (Wine; ms, thread, what)"
    start_trace "$program"
  done
  exit 0
fi

echo "== native"
build/native/bench/format_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E 'median|^Benchmark|^-'
[ -x build/native/bench/palette_bench ] &&
  build/native/bench/palette_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E 'median|^Benchmark|^-'

# Wine programs write to files: a pipe could be held by the prefix's services.
run_wine() {
  local exe=$1
  (cd "$(dirname "$exe")" && "$WINE" "./$(basename "$exe")" >"$out/$(basename "$exe").txt" 2>&1 </dev/null)
  cat "$out/$(basename "$exe").txt"
}
echo "== sampling (Wine)"
run_wine "$VELUN_WINDOWS_BUILD"/bench/sample_bench.exe
echo "== picker (Wine)"
run_wine "$VELUN_WINDOWS_BUILD"/bench/picker_bench.exe
if [ -f "$VELUN_WINDOWS_BUILD"/bench/palette_window_bench.exe ]; then
  echo "== palette window (Wine)"
  run_wine "$VELUN_WINDOWS_BUILD"/bench/palette_window_bench.exe
fi

echo "== velun against its floors (Wine)"
run_wine "$floors/floor_bench.exe"

# CPU while the mouse rests, measured from outside: the process's user and
# system ticks over the window, as /proc gives them for the Wine process.
ticks_of() {
  awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0
}
pid_of() {
  local name=$1 pid=""
  for _ in $(seq 50); do
    pid=$(pgrep -n -f "$name" || true)
    [ -n "$pid" ] && break
    sleep 0.1
  done
  echo "$pid"
}
idle_cpu() {
  local dir=$1 exe=$2 pid before after server_before server_after
  (cd "$dir" && exec "$WINE" "$exe" >/dev/null 2>&1 </dev/null) &
  pid=$(pid_of "$exe")
  sleep 3  # start-up is not rest
  before=$(ticks_of "$pid")
  server_before=$(ticks_of "$(pgrep -n wineserver)")
  sleep "$idle_seconds"
  after=$(ticks_of "$pid")
  server_after=$(ticks_of "$(pgrep -n wineserver)")
  kill "$pid" 2>/dev/null
  wait 2>/dev/null
  local hz
  hz=$(getconf CLK_TCK)
  awk -v t=$((after - before)) -v s=$((server_after - server_before)) -v hz="$hz" -v sec="$idle_seconds" \
    'BEGIN { printf "%.2f %.2f\n", 100 * t / hz / sec, 100 * s / hz / sec }'
}
echo "== CPU at rest over ${idle_seconds} s (Wine; % of one core; the Wine server beside it)"
program=$out/idle
rm -rf "$program" && mkdir -p "$program"
cp "$VELUN_WINDOWS_BUILD"/bin/velun.exe "$VELUN_WINDOWS_BUILD"/bin/lumet.dll "$VELUN_WINDOWS_BUILD"/bin/VELUN.DLL "$program/"
cp "$VELUN_WINDOWS_BUILD"/bench/pixel_floor.exe "$program/"
read -r floor floor_server < <(idle_cpu "$program" pixel_floor.exe)
read -r velun velun_server < <(idle_cpu "$program" velun.exe)
printf '  one pixel on a 20 ms timer  %6.2f %%  (server %.2f %%)\n' "$floor" "$floor_server"
printf '  velun, defaults             %6.2f %%  (server %.2f %%)\n' "$velun" "$velun_server"
awk -v v="$velun" -v f="$floor" 'BEGIN { if (f > 0) printf "  ratio %.2f (goal at most 1.2)\n", v / f }'
