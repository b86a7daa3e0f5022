#!/usr/bin/env bash
# Configures and builds one flavour of the library and its tests.
#   scripts/build.sh release    optimised, with debug information, and the package
#                               tests (build/release)
#   scripts/build.sh sanitize   AddressSanitizer + UndefinedBehaviorSanitizer (build/sanitize)
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
case "$flavour" in
  release)  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTA_PACKAGE_TESTS=ON) ;;
  sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON) ;;
  *) echo "build: unknown flavour '$flavour'" >&2; exit 2 ;;
esac

cmake -S . -B "build/$flavour" -G Ninja "${options[@]}"
cmake --build "build/$flavour"
