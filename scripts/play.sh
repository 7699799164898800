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
play: no X display here, so the game has no screen to open on. Instead, a whole
easy game is played now in a virtual screen, as a player would, with screenshots.
(On a desktop, run 'make play' inside your X session; over ssh use 'ssh -X'.)
MSG
  python3 "$here/tests/e2e/run.py" "$here/build/win" "$here/build/demo" easy_game
  echo "play: see the screenshots in $here/build/demo/ (01-start.png ... 05-cleared.png)"
  exit 0
fi

# The program finds its settings, sounds and help beside itself, whatever the
# working directory; run it from there anyway so nothing lands elsewhere.
cd "$(dirname "$exe")"
# The player's own prefix: sound on, and the game in a window of its own.
export WINEPREFIX="$here/build/wineprefix-play" KOTOPAI_DESKTOP=
exec "$here/scripts/wine-run" "$exe"
