#!/usr/bin/env bash
# Figures of play on screen under Wine: a first pick to its look, an accepted pair
# to its line, a new easy game to all tiles repainted, one hint scan. They are the
# disabled tests of the game test program, run here on purpose.
# Usage: scripts/measure-play.sh [build dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win}
"$here/scripts/with-display" "$here/scripts/wine-run" "$build/tests/game/game_tests.exe" \
  --gtest_also_run_disabled_tests --gtest_filter='*DISABLED_*' 2>&1 | grep '^FIGURE'
