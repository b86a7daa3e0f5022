# Cross-compiles for 32-bit Windows with Debian's mingw-w64 compilers, against
# the prefix that `scripts/windows-deps.sh i686` fills:
#   cmake -S . -B build/windows-i686 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-i686.cmake
# Nothing here runs 32-bit Windows programs, so there is no emulator: the
# tests build but do not run.
set(ORVANTA_WINDOWS_ARCH i686)
set(ORVANTA_WINDOWS_TRIPLE i686-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake")
