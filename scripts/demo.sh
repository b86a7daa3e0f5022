#!/usr/bin/env bash
# Sets everything up, builds the library and its example host program, and
# runs the example's demonstration: a scripted session of cross-sections in a
# fresh folder (build/demo), ending with where the project, its backup, the
# HTML report and the program log are.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh release
rm -rf build/demo
build/release/examples/sections/orvanta-sections demo build/demo
