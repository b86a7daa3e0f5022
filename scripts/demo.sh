#!/usr/bin/env bash
# Sets everything up and runs the library's demonstration. The example host
# program has not been written yet, so for now this builds everything and runs
# the smoke subset of the test suite (the tests labelled "smoke": the module
# object, the string table and its placeholders).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh release
echo "demo: no example host program yet; running the smoke subset of the tests"
ctest --test-dir build/release --output-on-failure -L smoke
