#!/usr/bin/env bash
# Cross-builds the library, its tests and the example program for Windows with
# Debian's mingw-w64 compilers, and runs the 64-bit tests under wine64.
#   scripts/windows.sh [i686] [x86_64]     (default: both)
# The dependencies come from scripts/windows-deps.sh, which builds them once
# into a cache. Builds go to build/windows-<arch>; everything a test needs to
# run (the DLLs included) is in its bin folder. 32-bit Windows code cannot run
# on these machines, so the i686 build is compiled and linked but not run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/tally.sh

arches=("$@")
if ((${#arches[@]} == 0)); then arches=(i686 x86_64); fi

bash scripts/setup.sh g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine64

for arch in "${arches[@]}"; do
  case "$arch" in
    i686|x86_64) ;;
    *) echo "windows: unknown target '$arch' (i686 or x86_64)" >&2; exit 2 ;;
  esac
  echo "== Windows $arch: dependencies"
  bash scripts/windows-deps.sh "$arch"
  echo "== Windows $arch: build"
  build=build/windows-$arch
  build_windows() {
    cmake -S . -B "$build" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-w64-$arch.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DORVANTA_BUILD_BENCHMARKS=OFF &&
    cmake --build "$build"
  }
  tally_check "Windows $arch build" build_windows
done

for arch in "${arches[@]}"; do
  [[ $arch == x86_64 ]] || continue
  echo "== Windows x86_64: tests under wine64"
  wine=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver
  prefix=$(mktemp -d)
  # shellcheck disable=SC2064 # the prefix is fixed now
  trap "WINEPREFIX='$prefix' '$server' -k 2>/dev/null || true; rm -rf '$prefix'" EXIT
  export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  "$wine" wineboot --init >/dev/null 2>&1
  # Wait until the new prefix is set up, then keep one server running for all
  # the tests: a program started while the last one's server shuts down can
  # fail to start at all. The first program a server runs also starts Wine's
  # background services, which inherit its standard output and error: started
  # by a test, they would hold CTest's pipes open until they time out, so a
  # program whose output goes nowhere starts them.
  "$server" -w
  "$server" -p
  "$wine" wineboot </dev/null >/dev/null 2>&1
  tally_ctest "Windows x86_64 tests" --test-dir build/windows-x86_64 --output-on-failure -j "$(nproc)"
done
