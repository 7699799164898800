#!/usr/bin/env bash
# Takes docs/screenshot-start.png (or the file named): the game just started, in a
# Wine virtual desktop inside a private Xvfb. With KOTOPAI_DPI (192, say) set, in the
# test prefix of that DPI on a desktop the window fits at that scale.
# Usage: [KOTOPAI_DPI=n] scripts/screenshot-start.sh [build dir] [picture file]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win}
out=$(realpath -m "${2:-$here/docs/screenshot-start.png}")
# Wine and what it starts write under "~": they get the home under build/ the tests have.
[ "${HOME:-}" = "$here/build/home" ] || exec "$here/scripts/with-test-home" "$0" "$@"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/kotopai.exe" "$work/"
cp "$here"/resources/sounds/*.wav "$work/" 2>/dev/null || true
# An existing settings file: no first-run offer, the window centred.
printf '[Pos]\r\nX=0\r\nY=0\r\n' > "$work/kotopai.ini"
mkdir -p "$(dirname "$out")"
# Made beforehand: a fresh prefix takes longer than the wait below.
size=1024x768
if [ -n "${KOTOPAI_DPI:-}" ]; then
  dpi=$KOTOPAI_DPI
  size=$(( (1024 * dpi / 96 + 1) / 2 * 2 ))x$(( (768 * dpi / 96 + 1) / 2 * 2 ))
  DISPLAY= source "$here/scripts/dpi-env.sh"
else
  "$here/scripts/wine-prefix.sh"
fi
DISPLAY= xvfb-run -a -s "-screen 0 ${size}x24" bash -c "
  '$here/scripts/wine-run' explorer /desktop=kotopai,$size '$work/kotopai.exe' &
  sleep 8
  import -window root '$work/shot.png'
  '$here/scripts/wine-run' wineboot -e >/dev/null 2>&1 || true
  sleep 1
"
if [ ! -s "$work/shot.png" ]; then
  echo "screenshot: none was taken" >&2
  exit 1
fi
mv "$work/shot.png" "$out"
echo "screenshot: $out"
