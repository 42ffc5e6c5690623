#!/bin/bash
# Installs the Debian packages that the builds, the tests and the benchmarks
# need, and does nothing when all of them are present. Never enables i386:
# the 64-bit Wine is the one that runs here.
set -eu
packages=(
  cmake ninja-build g++ googletest clang libclang-rt-14-dev clang-format
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine64 fonts-wine xvfb xauth x11-apps netpbm zip unzip bc
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
