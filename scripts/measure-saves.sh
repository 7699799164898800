#!/usr/bin/env bash
# The settings file's saves where the player meets them, a build before a change
# beside one after it: the last pair taken off to the ranking dialog shown (the whole
# table saved between), a close (the place and switches saved), and a flush of a file
# of the settings file's size on its own (bench/win/save_figures.cpp). The two builds
# take turns in one display and one Wine session, the order turning each turn, so a
# busy moment of the machine falls on both alike; the ratio after/before is given from
# the medians, and again with the flush's own time taken from the after figure. The
# close's save alone (as the session's end makes it) is shown beside them.
# Usage: scripts/measure-saves.sh before-build after-build [turns] [rounds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
# Wine and what it starts write under "~": they get the home under build/ the tests have.
[ "${HOME:-}" = "$here/build/home" ] || exec "$here/scripts/with-test-home" "$0" "$@"
before=$(cd "$1" && pwd)
after=$(cd "$2" && pwd)
turns=${3:-10}
rounds=${4:-20}

if [ -z "${IN_MEASURE_SAVES:-}" ]; then
  export IN_MEASURE_SAVES=1
  exec "$here/scripts/with-display" "$here/scripts/wine-session" "$0" "$before" "$after" "$turns" "$rounds"
fi

# "dialog close save flush": the medians one program printed.
figures() { wine "$1/save_figures.exe" "$rounds" 2>/dev/null | tr -d '\r' | grep -o 'median *[0-9.]*' | awk '{ printf "%s ", $2 }'; }

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for turn in $(seq "$turns"); do
  if [ $((turn % 2)) -eq 1 ]; then b=$(figures "$before"); a=$(figures "$after"); else a=$(figures "$after"); b=$(figures "$before"); fi
  echo "$turn $b $a" >> "$results"   # turn, before's four medians, after's four
done
load=$(cut -d' ' -f1-3 /proc/loadavg)

echo "medians of $rounds rounds each (ms): before | after"
awk '{ printf "turn %2d   to dialog %7.2f | %7.2f   close %7.2f | %7.2f   its save %6.2f | %6.2f   flush %6.3f | %6.3f\n",
       $1, $2, $6, $3, $7, $4, $8, $5, $9 }' "$results"
median() { sort -g | awk '{ v[++k] = $1 } END { print (k % 2) ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2 }'; }
of() { awk "{ print $1 }" "$results" | median; }
awk -v bd="$(of '$2')" -v ad="$(of '$6')" -v bc="$(of '$3')" -v ac="$(of '$7')" -v bs="$(of '$4')" -v as="$(of '$8')" \
    -v af="$(of '$9')" -v rd="$(of '$6 / $2')" -v rc="$(of '$7 / $3')" -v rs="$(of '$8 / $4')" \
    -v rdf="$(of '($6 - $9) / $2')" -v rcf="$(of '($7 - $9) / $3')" -v rsf="$(of '($8 - $9) / $4')" 'BEGIN {
  printf "last pair to the ranking dialog: before %7.2f ms, after %7.2f ms (its flush %.3f ms): after/before %.2f, without the flush %.2f\n", bd, ad, af, rd, rdf
  printf "a close:                         before %7.2f ms, after %7.2f ms (its flush %.3f ms): after/before %.2f, without the flush %.2f\n", bc, ac, af, rc, rcf
  printf "the close'"'"'s save alone:           before %7.2f ms, after %7.2f ms (its flush %.3f ms): after/before %.2f, without the flush %.2f\n", bs, as, af, rs, rsf
  print "(medians of the turns; the ratios are the medians of the turns'"'"' ratios)" }'
echo "load average after the runs: $load ($(nproc) cores)"
