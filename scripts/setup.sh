#!/usr/bin/env bash
# Installs the Debian packages that building and testing the library need,
# and any further packages named as arguments (scripts/fuzz.sh names clang's).
# Skips apt entirely when every package is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libboost-dev libboost-serialization-dev libboost-filesystem-dev
  libboost-date-time-dev libboost-system-dev
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xsltproc
  qt6-base-dev  # the example's window (Qt 6 Widgets; its ico and offscreen plugins come along)
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "setup: all ${#packages[@]} packages are installed"
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
echo "setup: installing ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
