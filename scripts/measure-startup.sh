#!/usr/bin/env bash
# Start-up figures: kotopai.exe against a minimal Win32 program of the same window
# size (tools/floor/floor.cpp), alternately, in one Xvfb and one private Wine prefix
# with a server kept running (warm starts). Both programs report, through
# OutputDebugString, the milliseconds from their process's creation to the first
# moment their message queue ran dry after showing (the first frame painted) and
# their private memory then. The wall time from the wine command to that report is
# given too. "floortext" is the floor showing Japanese text in the game's fonts.
# Usage: scripts/measure-startup.sh [build dir] [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/win}
runs=${2:-10}

if [ -z "${IN_MEASURE_DISPLAY:-}" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  i686-w64-mingw32-g++-posix -std=c++17 -O2 -static -mwindows -DWIN32_LEAN_AND_MEAN \
    -D_WIN32_WINNT=0x0601 -I"$here/shell" "$here/tools/floor/floor.cpp" \
    "$here/shell/startup_probe.cpp" -o "$work/floor.exe"
  i686-w64-mingw32-g++-posix -std=c++17 -O2 -static -mwindows -DWIN32_LEAN_AND_MEAN \
    -D_WIN32_WINNT=0x0601 -DFLOOR_WITH_TEXT -finput-charset=UTF-8 -fexec-charset=CP932 \
    -I"$here/shell" "$here/tools/floor/floor.cpp" "$here/shell/startup_probe.cpp" \
    -lcomctl32 -o "$work/floortext.exe"
  cp "$build/kotopai.exe" "$work/"
  printf '[Pos]\r\nX=0\r\nY=0\r\n' > "$work/kotopai.ini"   # no first-run offer
  export WINEPREFIX="$here/build/measure-prefix"
  "$here/scripts/wine-prefix.sh"
  export IN_MEASURE_DISPLAY=1 WORK="$work"
  DISPLAY= exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi

export WINEARCH=win32 WINEDLLOVERRIDES="mscoree,mshtml="
WINEDEBUG=-all wineserver -p

# Private memory of the program's Unix process (Wine's own private pages included;
# the floor shows how much of it is Wine's), since Wine reports no PrivateUsage.
private_kb() {
  awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb + 0 }' "/proc/$1/smaps_rollup"
}

one_run() {   # exe -> "in-process-ms wall-ms private-kb"
  local exe=$1 log=$WORK/log.txt start end ms=""
  : > "$log"
  start=$(date +%s%N)
  env LC_ALL=ja_JP.UTF-8 WINEDEBUG=+debugstr wine "$exe" 2> "$log" &
  local pid=$!
  for _ in $(seq 3000); do
    if grep -q 'first-frame-ms' "$log"; then break; fi
    sleep 0.005
  done
  end=$(date +%s%N)
  ms=$(grep -ao 'first-frame-ms=[0-9.]*' "$log" | head -1 | cut -d= -f2)
  sleep 0.5   # let the first second pass as a player would see it
  local kb
  kb=$(private_kb "$pid" 2>/dev/null || echo 0)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "${ms:-nan} $(( (end - start) / 1000000 )) $kb"
}

one_run "$WORK/floor.exe" >/dev/null     # warm the server and the page cache
one_run "$WORK/kotopai.exe" >/dev/null
for _ in $(seq "$runs"); do
  echo "floor $(one_run "$WORK/floor.exe")"
  echo "floortext $(one_run "$WORK/floortext.exe")"
  echo "kotopai $(one_run "$WORK/kotopai.exe")"
done > "$WORK/results.txt"
WINEDEBUG=-all wineserver -k || true

summary() {   # name column label
  awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$WORK/results.txt" | sort -g |
    awk -v n="$1" -v label="$3" '{ v[++k] = $1 } END {
      m = (k % 2) ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2;
      printf "%-8s %-40s median %8.1f   worst %8.1f   (%d runs)\n", n, label, m, v[k], k }'
}
cat "$WORK/results.txt"
for name in floor floortext kotopai; do
  summary "$name" 2 "first frame after process creation, ms"
  summary "$name" 3 "first frame after the wine command, ms"
  summary "$name" 4 "private memory of the process, KB"
done
