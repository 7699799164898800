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
  libfreetype-dev libpng-dev zip locales
)

# The tests run the game's texts in the system languages of four code pages. Wine
# takes the code page from the locale's name alone, but in a locale that is not
# generated it reads file names as ASCII and can make no file named in Japanese.
LOCALES=(en_US.UTF-8 zh_CN.UTF-8 ko_KR.UTF-8 ja_JP.UTF-8)
generate_locales() {
  local wanted=()
  for l in "${LOCALES[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || wanted+=("$l")
  done
  [ ${#wanted[@]} -eq 0 ] && return 0
  echo "setup: generating the locales ${wanted[*]}"
  for l in "${wanted[@]}"; do
    grep -qx "$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen >/dev/null
}

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -eq 0 ]; then
  generate_locales
  exit 0
fi

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror caught mid-sync fails one index now and then; the lists that did arrive
# (or older ones) usually still hold every package, so a failed update is tried again
# and then passed over: the install below is what must succeed.
update_lists() {
  local try
  for try in 1 2 3; do
    $SUDO apt-get update -qq && return 0
    echo "setup: apt-get update failed (try $try of 3)" >&2
    sleep $((try * 5))
  done
  echo "setup: going on with the package lists as they are" >&2
}
update_lists
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
generate_locales
echo "setup: done"
