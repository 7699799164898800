#!/usr/bin/env bash
# Starts the game under Wine (make play has already set up and built it).
# With no display there is nothing to play on: say how to see the game instead.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$here/build/win/kotopai.exe"

if [ ! -f "$exe" ]; then
  echo "play: $exe is missing; run 'make play' (it builds the program first)" >&2
  exit 1
fi

if [ -z "${DISPLAY:-}" ]; then
  cat <<MSG
play: no X display here, so the game has no screen to open on.
  - On a desktop, run 'make play' again inside your X session.
  - Over ssh, connect with 'ssh -X' (or -Y) and run 'make play'.
  - To look without a display, see docs/screenshot-start.png.
MSG
  if grep -q '^demo:' "$here/Makefile"; then
    echo "  - 'make demo' plays a whole game in a virtual screen and saves screenshots."
  fi
  exit 0
fi

# The program finds its settings, sounds and help beside itself, whatever the
# working directory; run it from there anyway so nothing lands elsewhere.
cd "$(dirname "$exe")"
exec "$here/scripts/wine-run" "$exe"
