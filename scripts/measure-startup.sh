#!/usr/bin/env bash
# Start-up figures of kotopai.exe beside three programs built in the same tree, in
# one Xvfb and one private Wine prefix with a server kept running (warm starts):
#   floor         an empty Win32 window of the game's size (tools/floor)
#   floortext     the same showing Japanese text in the game's fonts
#   design_floor  only what the window design asks: the main window with its menu and
#                 status bar, 144 shaped tile windows painting an 8-bit DIB through a
#                 palette (tools/design_floor)
# Each round starts every program once, in turn, so a busy moment of the machine
# falls on all of them alike; the order turns each round, and each program starts
# after the last one's windows are gone. Each program reports, through
# OutputDebugString, the milliseconds from its process's creation to the first moment
# its message queue ran dry after showing (the first frame painted). Also given: the
# wall time from the wine command to that report; the CPU time spent until then by the
# program, the Wine server, the prefix's desktop and services and the X server (less
# swayed by a busy machine than the wall time); and the private memory half a second
# later. Kotopai's ratios are given from the medians and as the median of the ratios
# within each round.
# With KOTOPAI_DPI (192, say) set, all four run in the test prefix of that DPI.
# Usage: [KOTOPAI_DPI=n] scripts/measure-startup.sh [build dir] [rounds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win}
rounds=${2:-10}
programs="floor floortext design_floor kotopai"
# Wine and what it starts write under "~": they get the home under build/ the tests have.
[ "${HOME:-}" = "$here/build/home" ] || exec "$here/scripts/with-test-home" "$0" "$@"

if [ -z "${IN_MEASURE_DISPLAY:-}" ]; then
  work=$(mktemp -d)   # removed by the run under Xvfb, which takes this process's place
  for name in $programs; do cp "$build/$name.exe" "$work/"; done
  printf '[Pos]\r\nX=0\r\nY=0\r\n' > "$work/kotopai.ini"   # no first-run offer
  if [ -n "${KOTOPAI_DPI:-}" ]; then
    dpi=$KOTOPAI_DPI
    source "$here/scripts/dpi-env.sh"
  else
    export WINEPREFIX="$here/build/measure-prefix"
    "$here/scripts/wine-prefix.sh"
  fi
  export IN_MEASURE_DISPLAY=1 WORK="$work"
  DISPLAY= exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$rounds"
fi

trap 'rm -rf "$WORK"' EXIT
# The settings of the tests' prefix, Wine's menu builder off among them.
source "$here/scripts/wine-env.sh"
WINEDEBUG=-all wineserver -p

# CPU time in ns of the given processes' living threads.
cpu_ns() {
  local total=0 pid f ns rest
  for pid in "$@"; do
    for f in /proc/"$pid"/task/*/schedstat; do
      read -r ns rest < "$f" 2>/dev/null && total=$((total + ns))
    done
  done
  echo "$total"
}

# The other processes a start keeps busy: the Wine server, the prefix's desktop and
# services, and the X server.
helpers() {
  local pid
  for pid in $(pgrep -d ' ' -u "$(id -u)" .); do
    case $(readlink /proc/"$pid"/exe 2>/dev/null) in /usr/lib/wine/*) ;; *) continue ;; esac
    if tr '\0' '\n' < /proc/"$pid"/environ 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
    fi
  done
  pgrep -f "^Xvfb $DISPLAY " || true
}

# Private memory of the program's Unix process (Wine's own private pages included;
# the floors show how much of it is Wine's), since Wine reports no PrivateUsage.
private_kb() {
  awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb + 0 }' "/proc/$1/smaps_rollup"
}

one_run() {   # exe -> "in-process-ms wall-ms private-kb cpu-ms"
  local exe=$1 log=$WORK/log.txt start end ms="" before after
  : > "$log"
  before=$(cpu_ns $HELPERS)
  start=$(date +%s%N)
  WINEDEBUG=+debugstr wine "$exe" 2> "$log" &
  local pid=$!
  for _ in $(seq 3000); do
    if grep -q 'first-frame-ms' "$log"; then break; fi
    sleep 0.005
  done
  end=$(date +%s%N)
  after=$(( $(cpu_ns $HELPERS "$pid") ))
  ms=$(grep -ao 'first-frame-ms=[0-9.]*' "$log" | head -1 | cut -d= -f2)
  sleep 0.5   # let the first second pass as a player would see it
  local kb
  kb=$(private_kb "$pid" 2>/dev/null || echo 0)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  sleep 0.5   # the servers tear its windows down before the next program starts
  echo "${ms:-nan} $(( (end - start) / 1000000 )) $kb $(( (after - before) / 1000000 ))"
}

HELPERS=""
for name in $programs; do one_run "$WORK/$name.exe" >/dev/null; done   # warm the server and the page cache
HELPERS=$(helpers)
# The order turns each round, so no program always follows the same one.
for round in $(seq "$rounds"); do
  set -- $programs
  for _ in $(seq $(( (round - 1) % $# ))); do set -- "${@:2}" "$1"; done
  for name in "$@"; do echo "$round $name $(one_run "$WORK/$name.exe")"; done
done > "$WORK/results.txt"
WINEDEBUG=-all wineserver -k || true
load=$(cut -d' ' -f1-3 /proc/loadavg)

# Median, quartiles and extremes of one column for one program.
summary() {   # name column label
  awk -v n="$1" -v c="$2" '$2 == n { print $c }' "$WORK/results.txt" | sort -g |
    awk -v n="$1" -v label="$3" '
      function at(q,  i) { i = 1 + q * (k - 1); return v[int(i)] + (i - int(i)) * (v[int(i) + 1] - v[int(i)]) }
      { v[++k] = $1 } END {
        printf "%-12s %-24s median %8.1f   quartiles %8.1f %8.1f   range %8.1f %8.1f\n",
               n, label, at(0.5), at(0.25), at(0.75), v[1], v[k] }'
}
median_of() { sort -g | awk '{ v[++k] = $1 } END { print (k % 2) ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2 }'; }
column_of() { awk -v n="$1" -v c="$2" '$2 == n { print $c }' "$WORK/results.txt" | median_of; }
# kotopai over another program, round by round, so both saw the same moment of the machine.
round_ratios() {   # name column
  awk -v n="$1" -v c="$2" '$2 == n { base[$1] = $c } $2 == "kotopai" { mine[$1] = $c }
    END { for (r in mine) if (base[r] > 0) print mine[r] / base[r] }' "$WORK/results.txt"
}
ratios() {   # name column label
  awk -v k="$(column_of kotopai "$2")" -v b="$(column_of "$1" "$2")" -v n="$1" -v label="$3" \
      -v r="$(round_ratios "$1" "$2" | median_of)" \
    'BEGIN { printf "kotopai / %-12s %-12s %.2f from the medians, %.2f as the median of the rounds\n", n, label, k / b, r }'
}

sed 's/^/round /' "$WORK/results.txt"
for name in $programs; do
  summary "$name" 3 "first frame, ms"
  summary "$name" 4 "after wine command, ms"
  summary "$name" 5 "private memory, KB"
  summary "$name" 6 "CPU to first frame, ms"
done
for name in design_floor floor; do
  ratios "$name" 3 "first frame"
  ratios "$name" 6 "CPU"
done
echo "load average after the runs: $load ($(nproc) cores)"
