#!/usr/bin/env bash
# Packs the Windows release: kotopai-1.0a-win32.zip with the program, the five
# sounds, the help folder (the manual and the page that stands in for a home page)
# and a short readme. Fixed names, order and times, so the same sources always give
# the same bytes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
win=${1:-$here/build/win}
out=$here/build/dist
stage=$out/kotopai-1.0a
rm -rf "$stage" "$out/kotopai-1.0a-win32.zip"
mkdir -p "$stage/help"
cp "$win/kotopai.exe" "$stage/"
cp "$here"/resources/sounds/{check,cancel,get,tezumari,back}.wav "$stage/"
cp "$here"/help/*.htm "$stage/help/"
# Windows Notepad reads CRLF text; the byte-order mark tells it the file is UTF-8.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$here/dist/readme-windows.txt"; } > "$stage/readme.txt"
find "$stage" -exec touch -h -d '2026-01-01 00:00:00 UTC' {} +
(cd "$out" && find kotopai-1.0a -print | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ kotopai-1.0a-win32.zip)
echo "$out/kotopai-1.0a-win32.zip"
