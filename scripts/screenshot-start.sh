#!/usr/bin/env bash
# Takes docs/screenshot-start.png: the game just started, in a Wine virtual desktop
# inside a private Xvfb. Usage: scripts/screenshot-start.sh [build dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win}
out="$here/docs/screenshot-start.png"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/kotopai.exe" "$work/"
cp "$here"/resources/sounds/*.wav "$work/" 2>/dev/null || true
# An existing settings file: no first-run offer, the window centred.
printf '[Pos]\r\nX=0\r\nY=0\r\n' > "$work/kotopai.ini"
mkdir -p "$here/docs"
# Made beforehand: a fresh prefix takes longer than the wait below.
"$here/scripts/wine-prefix.sh"
DISPLAY= xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$here/scripts/wine-run' explorer /desktop=kotopai,1024x768 '$work/kotopai.exe' &
  sleep 8
  import -window root '$out'
  '$here/scripts/wine-run' wineboot -e >/dev/null 2>&1 || true
  sleep 1
"
echo "screenshot: $out"
