#!/usr/bin/env bash
# Sets everything up, builds the library and its example host program, and
# runs the example's demonstration: a scripted session of cross-sections in a
# fresh folder (build/demo), ending with where the project, its backup, the
# HTML report and the program log are, and where the window's tests left
# their pictures.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh release
rm -rf build/demo
build/release/examples/sections/orvanta-sections demo build/demo
if [[ -x build/release/tests/examples/sections_window_tests ]]; then
  ctest --test-dir build/release -R sections_window_tests --output-on-failure >/dev/null
  echo "Pictures of the window (orvanta-sections-gui), from its tests: build/release/screenshots/"
  ls build/release/screenshots
fi
