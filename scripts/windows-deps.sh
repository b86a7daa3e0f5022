#!/usr/bin/env bash
# Builds the libraries that the Windows cross-build links against, with
# Debian's mingw-w64 compilers (posix threads model), from Debian's own source
# packages: Boost 1.74 (serialization, wserialization, filesystem, date_time,
# system), libcurl 7.88 (Schannel) and GoogleTest (gtest, gmock).
#
#   scripts/windows-deps.sh i686      32-bit Windows
#   scripts/windows-deps.sh x86_64    64-bit Windows
#
# Everything goes into a cache that later runs reuse:
#   ${ORVANTA_WINDOWS_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/orvanta/windows-deps}/
#     sources/   Debian source packages, shared by both architectures
#     <arch>/    the install prefix: bin/ (DLLs), lib/ (import and static
#                libraries, lib/cmake/ package files), include/
#     build/<arch>/  each dependency's build log, and its build tree until
#                    the library is installed
# A dependency whose stamp (<arch>/.stamps/<name>) matches is skipped, so a warm
# cache does nothing; one without a stamp (or a stale one) is built again from
# a clean build tree. Configure against the prefix with
# cmake/toolchains/mingw-w64-<arch>.cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

die() { echo "windows-deps: $*" >&2; exit 1; }
say() { echo "windows-deps: $*"; }

arch=${1:-}
case "$arch" in
  i686)   triple=i686-w64-mingw32;   address_model=32; compiler_package=g++-mingw-w64-i686-posix ;;
  x86_64) triple=x86_64-w64-mingw32; address_model=64; compiler_package=g++-mingw-w64-x86-64-posix ;;
  *) die "usage: scripts/windows-deps.sh <i686|x86_64>" ;;
esac

jobs=${ORVANTA_WINDOWS_DEPS_JOBS:-2}
cache=$(realpath -m "${ORVANTA_WINDOWS_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/orvanta/windows-deps}")
sources=$cache/sources
prefix=$cache/$arch
builds=$cache/build/$arch
toolchain=$repo/cmake/toolchains/mingw-w64-$arch.cmake

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi

# --- the tools --------------------------------------------------------------
# wine64 runs the 64-bit tests; nothing runs 32-bit Windows programs here.
extra=("$compiler_package" libboost1.74-tools-dev dpkg-dev googletest debian-archive-keyring)
if [[ $arch == x86_64 ]]; then extra+=(wine64); fi
bash "$repo/scripts/setup.sh" "${extra[@]}"

for tool in "$triple-gcc-posix" "$triple-g++-posix" "$triple-windres" "$triple-ar" b2 cmake ninja dpkg-source; do
  command -v "$tool" >/dev/null || die "'$tool' is missing although setup.sh ran"
done
[[ -f $toolchain ]] || die "missing toolchain file $toolchain"
[[ -f /usr/src/googletest/CMakeLists.txt ]] || die "GoogleTest's sources are missing from /usr/src/googletest"

mkdir -p "$sources" "$prefix/.stamps" "$builds"

# --- stamps -----------------------------------------------------------------
# A stamp holds what its dependency was built from; any other content (or none)
# means build again.
stamp_ok() { [[ -f $prefix/.stamps/$1 && $(cat "$prefix/.stamps/$1") == "$2" ]]; }
stamp_set() { printf '%s\n' "$2" >"$prefix/.stamps/$1"; }

# Logs a dependency's build to a file and times it; the log's tail on failure.
run_logged() {
  local name=$1; shift
  local log=$builds/$name.log start=$SECONDS
  say "building $name for $arch (log: $log)"
  if ! "$@" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    die "building $name for $arch failed; the whole log is $log"
  fi
  say "built $name for $arch in $((SECONDS - start)) s"
}

# --- Debian's source packages -----------------------------------------------
# apt has no deb-src entries by default; add Debian's for this release.
ensure_deb_src() {
  local list=/etc/apt/sources.list.d/orvanta-sources.sources
  if [[ -f $list ]]; then return; fi
  say "adding Debian's source package entries ($list)"
  "${sudo[@]}" tee "$list" >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  "${sudo[@]}" apt-get update -q
}

# Unpacks Debian's source package $1 (with Debian's patches applied) into
# sources/$2 once. Prints the unpacked folder.
fetch_source() {
  local package=$1 name=$2 dir=$sources/$2
  if [[ -f $sources/.stamp-$name && -d $dir ]]; then echo "$dir"; return; fi
  ensure_deb_src
  say "downloading Debian's source package $package" >&2
  rm -rf "$dir" "$dir.unpacking" "$sources/.stamp-$name"
  # Stale package lists name files the mirror no longer has: update once.
  if ! (cd "$sources" && apt-get source --download-only -q "$package") >&2; then
    "${sudo[@]}" apt-get update -q >&2
    (cd "$sources" && apt-get source --download-only -q "$package") >&2 ||
      die "apt-get source $package failed"
  fi
  local dsc
  dsc=$(printf "%s\n" "$sources/${package}"_*.dsc | sort -V | tail -n 1)
  dpkg-source -x "$dsc" "$dir.unpacking" >&2 ||
    die "unpacking $dsc failed"
  mv "$dir.unpacking" "$dir"
  basename "$dsc" >"$sources/.stamp-$name"
  echo "$dir"
}

boost_src=$(fetch_source boost1.74 boost)
curl_src=$(fetch_source curl curl)
say "sources: $(cat "$sources/.stamp-boost"), $(cat "$sources/.stamp-curl")"

compiler_version=$("$triple-g++-posix" -dumpversion)

# Builds dependency $1 with function $3 unless its stamp already holds key $2.
# Whatever an earlier, possibly half-done, build installed (the files matching
# the globs after $3, relative to the prefix) is removed first; the build tree
# goes once the library is installed, the log stays.
build_once() {
  local name=$1 key=$2 build=$3; shift 3
  if stamp_ok "$name" "$key"; then
    say "$name for $arch is up to date"
    return
  fi
  rm -f "$prefix/.stamps/$name"
  local glob
  for glob in "$@"; do
    # shellcheck disable=SC2086 # the globs are meant to expand
    rm -rf "${prefix:?}"/$glob
  done
  rm -rf "${builds:?}/$name"
  mkdir -p "$builds/$name"
  run_logged "$name" "$build"
  stamp_set "$name" "$key"
  rm -rf "${builds:?}/$name"
}

# --- Boost ------------------------------------------------------------------
# Debian's repacked tarball cannot bootstrap its own b2, so Debian's b2 drives
# the build with a user-config.jam that names the cross compiler. Every symbol
# of the DLLs is exported, as a shared object exports them on Linux: the
# library's XML archives derive from Boost's and call its XML grammar, which
# Boost itself does not export.
boost_version=1.74.0
build_boost() {
  local dir=$builds/boost
  cat >"$dir/user-config.jam" <<JAM
using gcc : mingw : $triple-g++-posix :
  <archiver>$triple-ar
  <ranlib>$triple-ranlib
  <rc>$triple-windres
  ;
JAM
  (cd "$boost_src" && b2 -j"$jobs" -q \
    --ignore-site-config --user-config="$dir/user-config.jam" \
    --build-dir="$dir" --layout=system \
    --prefix="$prefix" --libdir="$prefix/lib" --includedir="$prefix/include" \
    --with-serialization --with-filesystem --with-date_time --with-system \
    toolset=gcc-mingw target-os=windows address-model="$address_model" \
    link=shared runtime-link=shared threading=multi variant=release \
    linkflags=-Wl,--export-all-symbols \
    install)

  # b2 leaves the DLLs beside the import libraries and its CMake files name
  # only the import libraries; move the DLLs to bin/ with the others and name
  # them too, so that the imported targets know their DLL.
  mkdir -p "$prefix/bin"
  local dll lib variant
  for dll in "$prefix"/lib/libboost_*.dll; do
    lib=$(basename "$dll" .dll)
    variant="$prefix/lib/cmake/${lib#lib}-$boost_version/$lib-variant-shared.cmake"
    [[ -f $variant ]] || die "b2 wrote no CMake file $variant"
    mv "$dll" "$prefix/bin/"
    cat >>"$variant" <<CMAKE

# Added by Orvanta's scripts/windows-deps.sh: the DLL itself.
get_filename_component(__boost_dll "\${_BOOST_LIBDIR}/../bin/$lib.dll" ABSOLUTE)
set_target_properties(Boost::${lib#libboost_} PROPERTIES
  IMPORTED_LOCATION_RELEASE "\${__boost_dll}"
  )
unset(__boost_dll)
CMAKE
  done
}
build_once boost \
  "$(cat "$sources/.stamp-boost") $triple-g++-posix $compiler_version recipe 2" \
  build_boost \
  include/boost 'lib/libboost_*' 'bin/libboost_*' 'lib/cmake/Boost*' 'lib/cmake/boost_*'

# --- CMake-built dependencies -----------------------------------------------
# Configures, builds and installs a CMake project into the prefix with the
# project's own toolchain file.
cmake_install() {
  local src=$1 dir=$2; shift 2
  cmake -S "$src" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DORVANTA_WINDOWS_DEPS_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "$@"
  cmake --build "$dir" -j "$jobs"
  cmake --install "$dir"
}

# libcurl: TLS through Windows' own Schannel and its certificate store (so no
# CA bundle path of this machine), no other libraries.
build_curl() {
  cmake_install "$curl_src" "$builds/curl" \
    -DBUILD_SHARED_LIBS=ON -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF \
    -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF \
    -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBSSH=OFF -DCURL_USE_GSSAPI=OFF \
    -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF \
    -DUSE_LIBIDN2=OFF -DUSE_WIN32_IDN=OFF -DCURL_USE_LIBPSL=OFF \
    -DUSE_NGHTTP2=OFF -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON \
    -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none
}
build_once curl \
  "$(cat "$sources/.stamp-curl") $triple-gcc-posix $compiler_version recipe 1" \
  build_curl \
  include/curl 'lib/libcurl*' bin/libcurl.dll bin/curl-config lib/cmake/CURL lib/pkgconfig/libcurl.pc

# GoogleTest from the sources Debian's googletest package ships. On MinGW it
# uses Win32 threads whatever the threads model (its CMake files and headers
# agree on GTEST_HAS_PTHREAD=0), so it stays thread-safe; static libraries.
build_gtest() {
  cmake_install /usr/src/googletest "$builds/googletest" \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON \
    -Dgtest_disable_pthreads=OFF
}
build_once googletest \
  "googletest $(dpkg-query -W -f='${Version}' googletest) $triple-g++-posix $compiler_version recipe 1" \
  build_gtest \
  include/gtest include/gmock 'lib/libgtest*' 'lib/libgmock*' lib/cmake/GTest \
  'lib/pkgconfig/gtest*.pc' 'lib/pkgconfig/gmock*.pc'

say "$arch prefix ready: $prefix"
