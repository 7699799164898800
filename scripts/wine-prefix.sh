#!/usr/bin/env bash
# Makes the project's own 32-bit Wine prefix once: Japanese code page, font
# replacements for the faces the program asks for, and no Mono/Gecko installers.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.kotopai-ready-2"
[ -f "$stamp" ] && exit 0

mkdir -p "$(dirname "$WINEPREFIX")"
# Two callers may race on a fresh prefix; one makes it, the other waits.
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$stamp" ] && exit 0

run() {
  if [ -n "${DISPLAY:-}" ]; then env LC_ALL=ja_JP.UTF-8 "$@"
  else env LC_ALL=ja_JP.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" "$@"; fi
}

run wineboot -i >/dev/null 2>&1 || true
reg=$(mktemp --suffix=.reg)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  printf '"MS 明朝"="IPAMincho"\r\n"MS Mincho"="IPAMincho"\r\n'
  printf '"ＭＳ 明朝"="IPAMincho"\r\n'
  printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n'
  printf '"ＭＳ ゴシック"="IPAGothic"\r\n"MS Gothic"="IPAGothic"\r\n'
  printf '"MS UI Gothic"="IPAPGothic"\r\n\r\n'
  if [ -n "${KOTOPAI_DESKTOP:-}" ]; then
    # The tests' prefix: no sound device (PlaySound then fails silently) and one
    # virtual desktop for every program.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Audio"=""\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="%s"\r\n' "$KOTOPAI_DESKTOP"
  fi
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
run wine regedit /S "$reg" >/dev/null 2>&1 || true
wineserver -w || true
rm -f "$reg"
touch "$stamp"
