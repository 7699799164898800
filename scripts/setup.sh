#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the game under Wine need,
# when it is missing. Safe to run again: a machine that has everything is left alone.
set -euo pipefail

PACKAGES=(
  cmake make g++ ninja-build pkg-config
  libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 wine64 xvfb xauth x11-utils xdotool imagemagick
  fonts-ipafont-mincho fonts-ipafont-gothic fonts-wine
  libfreetype-dev libpng-dev zip
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
