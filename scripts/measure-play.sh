#!/usr/bin/env bash
# Figures of play on screen under Wine: a first pick to its look, an accepted pair
# to its line, a new easy game to all tiles repainted, one hint scan.
# Usage: scripts/measure-play.sh [build dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win}
"$here/scripts/with-display" "$here/scripts/wine-run" "$build/play_figures.exe"
