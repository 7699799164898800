#!/usr/bin/env bash
# Figures of play on screen under Wine: a first pick to its look, an accepted pair
# to its line, a new easy game to all tiles repainted, one hint scan.
# Then the new game's repaint beside what the window design alone costs for the same:
# the design floor (tools/design_floor) invalidating and repainting its 144 tile
# windows. The two take turns in one display and one Wine session, the order turning
# each turn, so a busy moment of the machine falls on both alike; kotopai's ratio is
# given from the medians and as the median of the turns' ratios.
# Usage: scripts/measure-play.sh [build dir] [turns]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win}
turns=${2:-6}
rounds=40

if [ -z "${IN_MEASURE_PLAY:-}" ]; then
  export IN_MEASURE_PLAY=1
  exec "$here/scripts/with-display" "$here/scripts/wine-session" "$0" "$build" "$turns"
fi

run() { env LC_ALL=ja_JP.UTF-8 wine "$@" 2>/dev/null | tr -d '\r'; }
median_ms() { grep -o 'median *[0-9.]*' | awk '{ print $2 }'; }

run "$build/play_figures.exe"

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for turn in $(seq "$turns"); do
  design() { run "$build/design_floor.exe" repaint "$rounds" | median_ms; }
  kotopai() { run "$build/play_figures.exe" new-game "$rounds" | median_ms; }
  if [ $((turn % 2)) -eq 1 ]; then d=$(design); k=$(kotopai); else k=$(kotopai); d=$(design); fi
  echo "$turn $d $k" >> "$results"
done
load=$(cut -d' ' -f1-3 /proc/loadavg)

echo
echo "new easy game repainted beside the design's own repaint, median of $rounds each:"
awk '{ printf "turn %d   design %8.3f ms   kotopai %8.3f ms   ratio %.2f\n", $1, $2, $3, $3 / $2 }' "$results"
median() { sort -g | awk '{ v[++k] = $1 } END { print (k % 2) ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2 }'; }
d=$(awk '{ print $2 }' "$results" | median)
k=$(awk '{ print $3 }' "$results" | median)
r=$(awk '{ print $3 / $2 }' "$results" | median)
awk -v d="$d" -v k="$k" -v r="$r" 'BEGIN {
  printf "design floor %8.3f ms, kotopai %8.3f ms (medians of the turns)\n", d, k
  printf "kotopai / design floor, new game repainted: %.2f from the medians, %.2f as the median of the turns\n", k / d, r }'
echo "load average after the runs: $load ($(nproc) cores)"
