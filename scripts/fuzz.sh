#!/usr/bin/env bash
# make fuzz: every fuzz target of the fuzzing build (or those named in
# FUZZ_TARGETS, "text quote") runs RUNS executions, all at once, each from its
# seed corpus (tests/fuzz/corpus/NAME) and the inputs it found in earlier runs
# (OUT/NAME/corpus). A finding is saved in OUT/NAME as crash-*, leak-*,
# timeout-* or oom-*: copy it into the seed corpus once the fault is fixed,
# and the suite replays it from then on.
set -uo pipefail
build=$1 runs=$2 out=$3
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
targets=()
for binary in "$build"/tests/fuzz/fuzz_*; do
  name=$(basename "$binary")
  if [ -n "${FUZZ_TARGETS:-}" ] && [[ " $FUZZ_TARGETS " != *" ${name#fuzz_} "* ]]; then continue; fi
  [ -x "$binary" ] && targets+=("$name")
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no fuzz target in $build/tests/fuzz" >&2
  exit 2
fi
echo "Fuzzing ${#targets[@]} targets, $runs executions each, all at once (logs in $out)."
# The targets' scratch databases, removed here however the targets end.
scratch=$(mktemp -d /dev/shm/kr-fuzz-run-XXXXXX 2>/dev/null || mktemp -d)
export KR_FUZZ_SCRATCH=$scratch
trap 'rm -rf "$scratch"' EXIT

for target in "${targets[@]}"; do
  name=${target#fuzz_}
  dir="$out/$name"
  mkdir -p "$dir/corpus"
  touch "$dir/started"  # findings of earlier runs stay, and are not counted again
  (
    cd "$dir" || exit 2
    start=$(date +%s)
    "$source_dir/$build/tests/fuzz/$target" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$dir/" "$dir/corpus" "$source_dir/tests/fuzz/corpus/$name" > "$dir/log" 2>&1
    echo "exit=$? seconds=$(( $(date +%s) - start ))" > "$dir/result"
  ) &
done
wait

status=0
printf '%-10s %14s %10s %10s  %s\n' target executions seconds exec/s findings
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  dir="$out/$name"
  exit_code=$(sed -n 's/^exit=\([0-9]*\).*/\1/p' "$dir/result")
  seconds=$(sed -n 's/.*seconds=\([0-9]*\).*/\1/p' "$dir/result")
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)
  findings=$(find "$dir" -maxdepth 1 -type f -newer "$dir/started" \
    \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  if [ "$exit_code" != 0 ] && [ "$findings" = 0 ]; then findings="1 (exit $exit_code, see $dir/log)"; fi
  rate=$(( ${executions:-0} / (seconds > 0 ? seconds : 1) ))
  printf '%-10s %14s %10s %10s  %s\n' "$name" "${executions:-?}" "$seconds" "$rate" "$findings"
  [ "$findings" != 0 ] && status=1
done
exit $status
