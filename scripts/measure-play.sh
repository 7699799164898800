#!/usr/bin/env bash
# Figures of play on screen under Wine: a first pick to its look, an accepted pair
# to its line, a new easy game to all tiles repainted, one hint scan, and the new
# game beside its tiles' repaint alone, round by round in the game's window.
# Then the new game's repaint beside what the window design alone costs for the same:
# the design floor (tools/design_floor) invalidating and repainting its 144 tile
# windows. The two take turns in one display and one Wine session, the order turning
# each turn, so a busy moment of the machine falls on both alike; kotopai's ratio is
# given from the medians and as the median of the turns' ratios, for the median round
# and for the fastest quarter's end.
# With KOTOPAI_DPI (192, say) set, both run in the test prefix of that DPI.
# Usage: [KOTOPAI_DPI=n] scripts/measure-play.sh [--turns-only] [build dir] [turns]
#   --turns-only  only the turns of the new game beside the design's repaint
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
turns_only=
if [ "${1:-}" = --turns-only ]; then turns_only=$1; shift; fi
build=${1:-$here/build/win}
turns=${2:-10}
rounds=40
# Wine and what it starts write under "~": they get the home under build/ the tests have.
[ "${HOME:-}" = "$here/build/home" ] || exec "$here/scripts/with-test-home" "$0" $turns_only "$@"

if [ -z "${IN_MEASURE_PLAY:-}" ]; then
  export IN_MEASURE_PLAY=1
  if [ -n "${KOTOPAI_DPI:-}" ]; then dpi=$KOTOPAI_DPI; source "$here/scripts/dpi-env.sh"; fi
  exec "$here/scripts/with-display" "$here/scripts/wine-session" "$0" $turns_only "$build" "$turns"
fi

run() { wine "$@" 2>/dev/null | tr -d '\r'; }
# "median quartile" of the one figure a program printed.
figures() { grep -o 'median *[0-9.]* ms *quartile *[0-9.]*' | awk '{ print $2, $5 }'; }

[ -n "$turns_only" ] || run "$build/play_figures.exe"

results=$(mktemp)
trap 'rm -f "$results"' EXIT
design() { run "$build/design_floor.exe" repaint "$rounds" | figures; }
kotopai() { run "$build/play_figures.exe" new-game "$rounds" | figures; }
for turn in $(seq "$turns"); do
  if [ $((turn % 2)) -eq 1 ]; then d=$(design); k=$(kotopai); else k=$(kotopai); d=$(design); fi
  echo "$turn $d $k" >> "$results"   # turn, design median and quartile, kotopai's
done
load=$(cut -d' ' -f1-3 /proc/loadavg)

echo
echo "new easy game repainted beside the design's own repaint, $rounds rounds each"
echo "(median, and the fastest quarter's end, which other programs on the machine sway less):"
awk '{ printf "turn %2d   design %7.2f %7.2f ms   kotopai %7.2f %7.2f ms   ratio %.2f %.2f\n",
       $1, $2, $3, $4, $5, $4 / $2, $5 / $3 }' "$results"
median() { sort -g | awk '{ v[++k] = $1 } END { print (k % 2) ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2 }'; }
of() { awk "{ print $1 }" "$results" | median; }
awk -v d="$(of '$2')" -v k="$(of '$4')" -v r="$(of '$4 / $2')" \
    -v dq="$(of '$3')" -v kq="$(of '$5')" -v rq="$(of '$5 / $3')" 'BEGIN {
  printf "design floor %7.2f ms, kotopai %7.2f ms: medians of the turns\n", d, k
  printf "design floor %7.2f ms, kotopai %7.2f ms: fastest quarters, median of the turns\n", dq, kq
  printf "kotopai / design floor, new game repainted: %.2f from the medians, %.2f as the median of the turns\n", k / d, r
  printf "kotopai / design floor, fastest quarters:   %.2f from the medians, %.2f as the median of the turns\n", kq / dq, rq }'
echo "load average after the runs: $load ($(nproc) cores)"
