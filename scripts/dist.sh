#!/usr/bin/env bash
# Packs the Windows release: kotopai-VERSION-win32.zip with the program, the five
# sounds, the help folder (the manual and the page that stands in for a home page)
# and a short readme. The version, and the pages that name it (the home page, the
# readme), come from the build tree, where the project's version was written into
# them. Fixed names, order and times, so the same sources always give the same bytes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
win=${1:-$here/build/win}
out=$here/build/dist
if [ ! -f "$win/version.txt" ]; then
  echo "dist: $win/version.txt is missing; build the Windows tree first (make dist does)" >&2
  exit 1
fi
version=$(cat "$win/version.txt")
name=kotopai-$version
stage=$out/$name
rm -rf "$stage" "$out/$name-win32.zip"
mkdir -p "$stage/help"
cp "$win/kotopai.exe" "$stage/"
cp "$here"/resources/sounds/{check,cancel,get,tezumari,back}.wav "$stage/"
cp "$here"/help/*.htm "$stage/help/"
cp "$win"/generated/help/*.htm "$stage/help/"
# Windows Notepad reads CRLF text; the byte-order mark tells it the file is UTF-8.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$win/generated/readme-windows.txt"; } > "$stage/readme.txt"
find "$stage" -exec touch -h -d '2026-01-01 00:00:00 UTC' {} +
(cd "$out" && find "$name" -print | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$name-win32.zip")
echo "$out/$name-win32.zip"
