# Cross-compiles for 64-bit Windows with Debian's mingw-w64 compilers, against
# the prefix that `scripts/windows-deps.sh x86_64` fills:
#   cmake -S . -B build/windows-x86_64 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
# Tests run under wine64 when it is installed (Debian keeps it in /usr/lib/wine).
set(ORVANTA_WINDOWS_ARCH x86_64)
set(ORVANTA_WINDOWS_TRIPLE x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake")

find_program(ORVANTA_WINE64 NAMES wine64 PATHS /usr/lib/wine
  DOC "wine64, which runs the 64-bit Windows tests")
if(ORVANTA_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${ORVANTA_WINE64}")
endif()
