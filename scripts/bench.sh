#!/usr/bin/env bash
# Sets everything up, builds the optimised library and runs the benchmarks.
# Extra arguments go to each benchmark program (for example
# --benchmark_repetitions=5).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh release
for program in build/release/bench/*_benchmark; do
  echo "== $program"
  "$program" "$@"
done
