#!/usr/bin/env bash
# Runs every benchmark program that the bench build produced, but the cases named "Large" that
# take minutes.
set -euo pipefail
dir=${1:-build/bench}
status=0
while IFS= read -r prog; do
  echo "== $(basename "$prog")"
  "$prog" --benchmark_filter=-Large || status=1
done < <(find "$dir/bench" -type f -executable -name 'bench_*' | sort)
exit $status
