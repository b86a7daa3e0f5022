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
#     apt/       a private apt state for Debian's source packages (see below)
#     sources/   the unpacked source packages, shared by both architectures;
#                Boost's headers are used from sources/boost/boost
#     <arch>/    the prefix: bin/ (DLLs), lib/ (import and static libraries,
#                lib/cmake/ package files), include/ (libcurl, GoogleTest)
#     build/<arch>/  each dependency's build log, and its build tree until
#                    the library is in the prefix
# A dependency whose stamp (<arch>/.stamps/<name>) matches is skipped, so a warm
# cache does nothing; one without a stamp (or a stale one) is built again from
# a clean build tree. Configure against the prefix with
# cmake/toolchains/mingw-w64-<arch>.cmake. Messages go to standard error;
# standard output carries nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

die() { echo "windows-deps: $*" >&2; exit 1; }
say() { echo "windows-deps: $*" >&2; }

arch=${1:-}
case "$arch" in
  i686)   triple=i686-w64-mingw32;   address_model=32; compiler_package=g++-mingw-w64-i686-posix ;;
  x86_64) triple=x86_64-w64-mingw32; address_model=64; compiler_package=g++-mingw-w64-x86-64-posix ;;
  *) die "usage: scripts/windows-deps.sh <i686|x86_64>" ;;
esac

jobs=${ORVANTA_WINDOWS_DEPS_JOBS:-$(nproc)}
cache=$(realpath -m "${ORVANTA_WINDOWS_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/orvanta/windows-deps}")
sources=$cache/sources
prefix=$cache/$arch
builds=$cache/build/$arch
toolchain=$repo/cmake/toolchains/mingw-w64-$arch.cmake

# --- the tools --------------------------------------------------------------
# wine64 runs the 64-bit tests; nothing runs 32-bit Windows programs here.
extra=("$compiler_package" libboost1.74-tools-dev dpkg-dev googletest)
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
# apt has no deb-src entries by default. Rather than add some to the machine's
# own configuration, the script keeps a private apt state in the cache
# (apt/): a deb-src entry for each deb entry of this release that the
# machine's sources name (the same addresses, suites, components and keys), its
# own package lists, and no package cache. The machine's mirror is thus the one
# used, and nothing outside the cache changes.
apt_dir=$cache/apt
release=$(sed -n 's/^VERSION_CODENAME="\{0,1\}\([^"]*\)"\{0,1\}$/\1/p' /etc/os-release)
[[ -n $release ]] || die "/etc/os-release names no release (VERSION_CODENAME)"
apt_options=(
  -o Dir::Etc::sourcelist="$apt_dir/deb-src.sources" -o Dir::Etc::sourceparts=-
  -o Dir::State::Lists="$apt_dir/lists" -o APT::Get::List-Cleanup=0
  -o Dir::Cache="$apt_dir/cache" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
)

# Prints, in deb822 form, a deb-src stanza for every enabled deb entry (one-line
# or deb822) among the files given, keeping only the suites of $release
# ("bookworm", "bookworm-updates", "bookworm-security", ...): other vendors'
# entries seldom carry sources, and one that fails would fail the update.
deb_src_entries() {
  awk -v release="$release" '
    function suite_ok(s) { return s == release || index(s, release "-") == 1 || index(s, release "/") == 1 }
    function reset() { delete field; delete name; nkeys = 0 }
    function emit(uris, suites, rest) {
      n = split(suites, part, /[ \t]+/); kept = ""
      for (i = 1; i <= n; i++) if (part[i] != "" && suite_ok(part[i])) kept = kept (kept == "" ? "" : " ") part[i]
      if (kept != "") printf "Types: deb-src\nURIs: %s\nSuites: %s\n%s\n", uris, kept, rest
    }
    # deb822: a stanza ends at a blank line or at the end of its file.
    function flush_stanza(   rest, i, k) {
      if (nkeys > 0 && tolower(field["enabled"]) != "no" && (" " field["types"] " ") ~ /[ \t]deb[ \t]/) {
        rest = ""
        for (i = 1; i <= nkeys; i++) {
          k = keys[i]
          if (k !~ /^(types|uris|suites|enabled|architectures)$/) rest = rest name[k] ": " field[k] "\n"
        }
        emit(field["uris"], field["suites"], rest)
      }
      reset()
    }
    BEGIN { reset() }
    FNR == 1 { flush_stanza() }
    FILENAME ~ /\.sources$/ {
      if ($0 ~ /^[ \t]*$/) { flush_stanza(); next }
      if ($0 ~ /^#/) next
      if ($0 ~ /^[ \t]/) { field[last] = field[last] "\n" $0; next }
      key = $0; sub(/:.*/, "", key); value = $0; sub(/^[^:]*:[ \t]*/, "", value)
      last = tolower(key)
      if (!(last in field)) keys[++nkeys] = last
      field[last] = value; name[last] = key
      next
    }
    {
      # One-line form: deb [option=value ...] uri suite [component ...]
      line = $0; sub(/#.*/, "", line)
      if (line !~ /^[ \t]*deb[ \t]/) next
      sub(/^[ \t]*deb[ \t]+/, "", line)
      options = ""
      if (line ~ /^\[/) { options = line; sub(/\].*/, "", options); sub(/^\[/, "", options); sub(/^[^]]*\][ \t]*/, "", line) }
      n = split(line, word, /[ \t]+/)
      if (n < 2) next
      rest = ""
      for (i = 3; i <= n; i++) if (word[i] != "") rest = rest (rest == "" ? "Components: " : " ") word[i]
      if (rest != "") rest = rest "\n"
      m = split(options, option, /[ \t]+/)
      for (i = 1; i <= m; i++) {
        k = option[i]; sub(/=.*/, "", k); v = option[i]; sub(/^[^=]*=/, "", v); gsub(/,/, " ", v)
        if (k == "signed-by") rest = rest "Signed-By: " v "\n"
        else if (k == "trusted") rest = rest "Trusted: " v "\n"
      }
      emit(word[1], word[2], rest)
    }
    END { flush_stanza() }
  ' "$@"
}

# Writes the private deb-src list from the machine's current sources and
# updates the private package lists when the list changed (or has never been
# read). With $1 = force, updates them in any case.
ensure_deb_src() {
  local list=$apt_dir/deb-src.sources wanted files=()
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache"
  [[ -f /etc/apt/sources.list ]] && files+=(/etc/apt/sources.list)
  local file
  for file in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -f $file ]] && files+=("$file")
  done
  ((${#files[@]} > 0)) || die "this machine has no apt sources to take deb-src entries from"
  wanted=$(deb_src_entries "${files[@]}")
  [[ -n $wanted ]] || die "no deb entry of this machine's apt sources is for '$release'"
  if [[ ${1:-} != force && -f $list && $(cat "$list") == "$wanted" && -f $apt_dir/.updated ]]; then
    return
  fi
  say "deb-src entries for $release, from this machine's apt sources ($list)"
  printf '%s\n' "$wanted" >"$list"
  rm -f "$apt_dir/.updated"
  apt-get update -q "${apt_options[@]}" >&2 || die "apt-get update of the deb-src entries failed"
  touch "$apt_dir/.updated"
}

# Unpacks Debian's source package $1 (with Debian's patches applied) into
# sources/$2 once, and sets the variable named $3 to that folder.
fetch_source() {
  local package=$1 name=$2 dir=$sources/$2
  if ! [[ -f $sources/.stamp-$name && -d $dir ]]; then
    ensure_deb_src
    say "downloading Debian's source package $package"
    rm -rf "$dir" "$dir.unpacking" "$sources/.stamp-$name"
    # Stale package lists name files the mirror no longer has: update once.
    if ! (cd "$sources" && apt-get source --download-only -q "${apt_options[@]}" "$package") >&2; then
      ensure_deb_src force
      (cd "$sources" && apt-get source --download-only -q "${apt_options[@]}" "$package") >&2 ||
        die "apt-get source $package failed"
    fi
    local dsc
    dsc=$(printf "%s\n" "$sources/${package}"_*.dsc | sort -V | tail -n 1)
    dpkg-source -x "$dsc" "$dir.unpacking" >&2 || die "unpacking $dsc failed"
    mv "$dir.unpacking" "$dir"
    basename "$dsc" >"$sources/.stamp-$name"
  fi
  printf -v "$3" '%s' "$dir"
}

boost_src='' curl_src=''
fetch_source boost1.74 boost boost_src
fetch_source curl curl curl_src
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
#
# The libraries are staged, not installed: b2 links the headers into the
# source tree's boost/ folder, which both architectures share, and the staged
# CMake files point there, so no copy of Boost's 160 MB of headers is made.
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
    --build-dir="$dir" --layout=system --stagedir="$prefix" \
    --with-serialization --with-filesystem --with-date_time --with-system \
    toolset=gcc-mingw target-os=windows address-model="$address_model" \
    link=shared runtime-link=shared threading=multi variant=release \
    linkflags=-Wl,--export-all-symbols \
    stage)

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
  [[ -f $boost_src/boost/version.hpp ]] || die "b2 linked no headers into $boost_src/boost"
}
build_once boost \
  "$(cat "$sources/.stamp-boost") $triple-g++-posix $compiler_version recipe 3" \
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

# libcurl: HTTP and HTTPS only, TLS through Windows' own Schannel and its
# certificate store (so no CA bundle path of this machine), no other libraries.
build_curl() {
  cmake_install "$curl_src" "$builds/curl" \
    -DBUILD_SHARED_LIBS=ON -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF \
    -DHTTP_ONLY=ON -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF \
    -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBSSH=OFF -DCURL_USE_GSSAPI=OFF \
    -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF \
    -DUSE_LIBIDN2=OFF -DUSE_WIN32_IDN=OFF -DCURL_USE_LIBPSL=OFF \
    -DUSE_NGHTTP2=OFF -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON \
    -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none
}
build_once curl \
  "$(cat "$sources/.stamp-curl") $triple-gcc-posix $compiler_version recipe 2" \
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
