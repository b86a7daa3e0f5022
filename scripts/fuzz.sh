#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (build/fuzz), replays the saved crash inputs of
# fuzz/regressions, then fuzzes every target for a while on a copy of its starting
# inputs, so that the committed ones never grow.
#   scripts/fuzz.sh [seconds per target, default 10]
# Exits non-zero if any target fails; the inputs that made it fail are kept in
# build/fuzz/findings/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/tally.sh

seconds=${1:-10}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "fuzz: '$seconds' is not a number of seconds" >&2
  exit 2
fi

bash scripts/setup.sh clang libclang-rt-dev llvm

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build/fuzz/findings

# The options-file target writes the application's files into the data folder.
export XDG_DATA_HOME=$work/data XDG_DOCUMENTS_DIR=$work/documents
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
options=(-detect_leaks=1 -max_len=4096 -timeout=25 -rss_limit_mb=2048 -print_final_stats=1)

failed=()
for corpus in fuzz/corpus/*/; do
  target=$(basename "$corpus")
  program=build/fuzz/$target
  if [[ ! -x $program ]]; then
    echo "fuzz: $target has a corpus but was not built" >&2
    failed+=("$target")
    tally_add 0 1 "fuzz $target"
    continue
  fi
  log=$work/$target.log
  mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
  cp -R "$corpus". "$work/$target/corpus/"

  if [[ -d fuzz/regressions/$target ]]; then
    echo "== $target: saved inputs"
    if ! "$program" "${options[@]}" fuzz/regressions/"$target"/* >"$log" 2>&1; then
      tail -n 40 "$log"
      failed+=("$target (saved inputs)")
      tally_add 0 1 "fuzz $target (saved inputs)"
    fi
  fi

  echo "== $target: ${seconds}s"
  if "$program" "${options[@]}" -max_total_time="$seconds" \
       -artifact_prefix="$work/$target/artifacts/" "$work/$target/corpus" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^Done ' "$log" || true
    tally_add 1 0 "fuzz $target"
  else
    tally_add 0 1 "fuzz $target"
    tail -n 60 "$log"
    mkdir -p "$findings/$target"
    cp "$work/$target/artifacts/"* "$log" "$findings/$target/" 2>/dev/null || true
    echo "fuzz: $target failed; its input and log are in $findings/$target" >&2
    failed+=("$target")
  fi
done

if ((${#failed[@]} > 0)); then
  printf 'fuzz: failed: %s\n' "${failed[@]}" >&2
  exit 1
fi
echo "fuzz: every target ran ${seconds}s without a finding"
