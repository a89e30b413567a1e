#!/usr/bin/env bash
# Grows the stored corpus of each fuzz target by a longer local run and keeps it minimised:
#   scripts/fuzz-corpus.sh [SECONDS] [TARGET...]     (default 600 s, every build-fuzz/*_fuzz)
# Each target runs on a copy of fuzz/corpus/<target without _fuzz>/ (targets run side by side,
# niced); the grown set is merged (-merge=1) into a fresh folder that replaces the stored one.
# Logs and crashing inputs are kept in build-fuzz/runs/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
[ $# -gt 0 ] && shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in build-fuzz/*_fuzz; do [ -x "$f" ] && targets+=("$(basename "$f")"); done
fi
runs=build-fuzz/runs
mkdir -p "$runs"
pids=()
for t in "${targets[@]}"; do
  name=${t%_fuzz}
  rm -rf "$runs/$name.work"
  mkdir -p "$runs/$name.work" "$runs/$name.crashes" "fuzz/corpus/$name"
  cp -r "fuzz/corpus/$name/." "$runs/$name.work/"
  nice -n 10 "build-fuzz/$t" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$runs/$name.crashes/" "$runs/$name.work" >"$runs/$name.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  name=${t%_fuzz}
  wait "${pids[$i]}" || { status=1; echo "$t: finding, see $runs/$name.log and $runs/$name.crashes/"; }
  rm -rf "$runs/$name.min"
  mkdir -p "$runs/$name.min"
  nice -n 10 "build-fuzz/$t" -merge=1 -timeout=5 -rss_limit_mb=2048 "$runs/$name.min" \
    "fuzz/corpus/$name" "$runs/$name.work" >"$runs/$name.merge.log" 2>&1
  rm -rf "fuzz/corpus/$name"
  mv "$runs/$name.min" "fuzz/corpus/$name"
  echo "$t: $(grep -E '^#[0-9]+' "$runs/$name.log" | tail -n 1)"
  echo "$t: corpus $(ls "fuzz/corpus/$name" | wc -l) files after merge"
done
exit $status
