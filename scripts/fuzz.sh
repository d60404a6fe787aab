#!/usr/bin/env bash
# Long fuzz runs of every loader and the format engine, under ASan and
# UBSan, two at a time: 10 million executions in all by default. Prints
# the executions and the findings per target; exits non-zero on a finding.
#   scripts/fuzz.sh            the default budgets
#   scripts/fuzz.sh SCALE      every budget times SCALE (0.1 for a quick look)
set -uo pipefail
cd "$(dirname "$0")/.."
scale=${1:-1}

bash scripts/setup.sh >/dev/null || exit 1
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null || {
  echo "build of the fuzz tree failed"
  exit 1
}

# Executions per target: the fast ones carry most of the ten million.
declare -A budget=(
  [format_fuzz]=7000000
  [palette_fuzz]=1600000
  [settings_fuzz]=700000
  [data_files_fuzz]=700000
  [ini_text_fuzz]=1000000
)
out=build/fuzz-long
mkdir -p "$out"

run() {
  local name=$1 runs
  runs=$(awk -v b="${budget[$1]}" -v s="$scale" 'BEGIN { printf "%d", b * s }')
  local work=$out/$name
  rm -rf "$work" && mkdir -p "$work/corpus" "$work/findings"
  build/native/fuzz/fuzz/"$name" -runs="$runs" -max_len=600 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" "fuzz/corpus/$name" >"$work/log" 2>&1
  echo $? >"$work/status"
}

start=$(date +%s)
names=(format_fuzz palette_fuzz settings_fuzz data_files_fuzz ini_text_fuzz)
# Two at a time on the two cores: the slow with the fast.
run format_fuzz & run settings_fuzz & wait
run palette_fuzz & run data_files_fuzz & wait
run ini_text_fuzz

total=0
found=0
printf '%-18s %12s %9s %s\n' target executions findings seconds
for name in "${names[@]}"; do
  work=$out/$name
  executed=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$work/log" | grep -oE '[0-9]+$' || echo 0)
  seconds=$(grep -oE 'Done [0-9]+ runs in [0-9]+ second' "$work/log" | grep -oE '[0-9]+ second' | grep -oE '[0-9]+' || echo "?")
  findings=$(find "$work/findings" -type f | wc -l)
  [ "$(cat "$work/status")" -ne 0 ] && [ "$findings" -eq 0 ] && findings=1
  printf '%-18s %12s %9s %s\n' "$name" "${executed:-0}" "$findings" "$seconds"
  total=$((total + ${executed:-0}))
  found=$((found + findings))
done
echo "all targets: $total executions, $found findings, $(( $(date +%s) - start )) s"
[ "$found" -eq 0 ]
