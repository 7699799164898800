#!/usr/bin/env bash
# Starts the game under Wine (make play has already set up and built it).
# With no display there is nothing to play on: say how to see the game instead, and
# play the games named (tests/e2e/run.py; the easy game by default) from outside.
# Usage: scripts/play.sh [game ...]
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
easy game (or the games named) is played now in a virtual screen, as a player would,
with screenshots.
(On a desktop, run 'make play' inside your X session; over ssh use 'ssh -X'.)
MSG
  # Wine and what it starts write under "~": they get the home under build/ the tests
  # have. Only the game played on the player's display below is the player's own.
  "$here/scripts/with-test-home" python3 "$here/tests/e2e/run.py" "$here/build/win" "$here/build/demo" \
    "${@:-easy_game}"
  echo "play: see the screenshots in $here/build/demo/"
  exit 0
fi

# The program finds its settings, sounds and help beside itself, whatever the
# working directory; run it from there anyway so nothing lands elsewhere.
cd "$(dirname "$exe")"
# The player's own prefix (scripts/wine-env.sh), never one named by the environment.
unset WINEPREFIX
export KOTOPAI_PLAYER=1
source "$here/scripts/wine-env.sh"
status=0
"$here/scripts/wine-run" "$exe" || status=$?

# Wine's menu builder has made launchers of the shortcuts the player asked for (on
# the desktop, and in the menu under Wine > Programs), but they start the game in the
# desktop's own locale, where Wine reads file names in that locale's character set.
# Start them in the UTF-8 locale the game is run in here, so its folder may be named
# in any language. Launchers made by an older version of this script asked for the
# Japanese locale, which is not generated everywhere; they are brought up to date.
wineserver -w
desktop=$(readlink -f "$WINEPREFIX/drive_c/users/$(id -un)/Desktop" || true)
menu=${XDG_DATA_HOME:-$HOME/.local/share}/applications/wine
plain="Exec=env WINEPREFIX=\"$WINEPREFIX\" "
older="Exec=env LC_ALL=ja_JP.UTF-8 WINEPREFIX=\"$WINEPREFIX\" "
{ find "$desktop" -maxdepth 1 -name '*.desktop' -print0; find "$menu" -name '*.desktop' -print0; } 2>/dev/null |
  xargs -0 -r grep -lZF -e "$plain" -e "$older" |
  xargs -0 -r sed -i -e "s|^$older|$plain|" -e "s|^$plain|Exec=env LC_ALL=C.UTF-8 ${plain#Exec=env }|" || true
exit $status
