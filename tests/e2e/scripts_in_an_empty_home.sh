#!/usr/bin/env bash
# Each script that starts Wine, run by a player whose home is empty: nothing may appear
# in that home (Wine's menu builder makes menu and file-type folders at a session's
# start, for one). Long measurements are cut short where a script allows it; each
# script still starts Wine and the program.
# Usage: tests/e2e/scripts_in_an_empty_home.sh [build dir]
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
win=$(realpath "${1:-$here/build/win}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# name, a line its output must hold to show the program ran, then the command: run with
# a fresh empty home, no XDG folders elsewhere and no display (each script makes its
# own), under scripts/home-unchanged --all.
run_in_empty_home() {
  local name=$1 ran=$2 home=$work/home-$1 log=$work/$1.log
  shift 2
  mkdir "$home"
  if ! env -u DISPLAY -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME \
       HOME="$home" "$here/scripts/home-unchanged" --all "$@" > "$log" 2>&1; then
    echo "empty home: $name: FAILED"
  elif ! grep -qE "$ran" "$log"; then
    echo "empty home: $name: FAILED, its output holds no line like '$ran'"
  else
    echo "empty home: $name: passed"
    return
  fi
  tail -n 20 "$log" | sed 's/^/  /'
  failed=1
}

run_in_empty_home measure-startup '^round 1 kotopai [0-9]' "$here/scripts/measure-startup.sh" "$win" 1
run_in_empty_home measure-play '^turn +1 +design +[0-9.]+ +[0-9.]+ ms +kotopai +[0-9]' \
  "$here/scripts/measure-play.sh" --turns-only "$win" 1
run_in_empty_home measure-saves '^turn +1 +to dialog +[0-9.]+ \| +[0-9.]+' \
  "$here/scripts/measure-saves.sh" "$win" "$win" 1 1
run_in_empty_home screenshot-start '^screenshot: /' \
  "$here/scripts/screenshot-start.sh" "$win" "$work/start.png"
run_in_empty_home play-without-display '^e2e first_screen: passed' "$here/scripts/play.sh" first_screen
exit $failed
