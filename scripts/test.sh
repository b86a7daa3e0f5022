#!/usr/bin/env bash
# Sets everything up and runs the native test suite: the tests of a normal
# build, the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer (LeakSanitizer included), every fuzz target for a
# few seconds, and a shellcheck of the scripts. The normal build's tests
# include the package tests: a client project built against the installed
# package and one that adds the source tree. The Windows builds are
# scripts/windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/tally.sh

bash scripts/setup.sh shellcheck

echo "== scripts: shellcheck"
tally_check "shellcheck" shellcheck -x scripts/*.sh .ci/run

echo "== normal build"
bash scripts/build.sh release
tally_ctest "normal build" --test-dir build/release --output-on-failure -j "$(nproc)"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
bash scripts/build.sh sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  tally_ctest "sanitizer build" --test-dir build/sanitize --output-on-failure -j "$(nproc)"

echo "== fuzz targets, a few seconds each, with ASan + UBSan + LeakSanitizer"
bash scripts/fuzz.sh 5
