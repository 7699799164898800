#!/usr/bin/env bash
# Makes a project prefix once, and brings one made by an older version of this script
# up to date: font replacements for the faces the program asks for, Wine's Marlett
# for the caption buttons, web pages opened by Wine's browser, and no Mono/Gecko
# installers. The tests' prefix keeps its user folders inside itself and starts no
# debugger for a program that crashes; the player's keeps Wine's file types
# off the host.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.kotopai-ready-5"
# The tests' prefix reaches the host's root by a second spelling as well as by Z:\,
# Y:\root\ (a folder whose link leads there), so a test can start two copies of a
# program that reach one folder by two paths. The drive's own folder is no parent of
# any other path, so every path Wine makes from a host path still begins with Z:.
second_drive() {
  [ -n "${KOTOPAI_PLAYER:-}" ] && return 0
  # Made only where missing: scripts that start at once may both be here.
  mkdir -p "$WINEPREFIX/second-drive"
  [ -L "$WINEPREFIX/second-drive/root" ] || ln -s / "$WINEPREFIX/second-drive/root" 2>/dev/null || true
  [ -L "$WINEPREFIX/dosdevices/y:" ] || ln -s ../second-drive "$WINEPREFIX/dosdevices/y:" 2>/dev/null || true
}
[ -f "$stamp" ] && { second_drive; exit 0; }

mkdir -p "$(dirname "$WINEPREFIX")"
# Two callers may race on a fresh prefix; one makes it, the other waits.
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$stamp" ] && { second_drive; exit 0; }

# The menu builder stays off while the prefix is made, also in the player's: at its
# first start it would register Wine's own handlers for the host's file types before
# the setting below forbids that.
run() {
  local env=(env WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
  if [ -n "${DISPLAY:-}" ]; then "${env[@]}" "$@"
  else "${env[@]}" xvfb-run -a -s "-screen 0 1024x768x24" "$@"; fi
}

run wineboot -i >/dev/null 2>&1 || true

# Wine draws the caption buttons with Marlett; without it they read "0 1 r".
marlett=""
for dir in "$(dirname "$(command -v wine)")/../share/wine/fonts" \
           "$(dirname "$(readlink -f "$(command -v wine)")")/../share/wine/fonts" /usr/share/wine/fonts; do
  if [ -f "$dir/marlett.ttf" ]; then marlett="$dir/marlett.ttf"; break; fi
done
if [ -n "$marlett" ]; then
  cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
else
  echo "wine-prefix: Wine's marlett.ttf was not found (Debian: fonts-wine);" \
       "the caption buttons will read \"0 1 r\"" >&2
fi

reg=$(mktemp --suffix=.reg)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  printf '"MS 明朝"="IPAMincho"\r\n"MS Mincho"="IPAMincho"\r\n'
  printf '"ＭＳ 明朝"="IPAMincho"\r\n'
  printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n'
  printf '"ＭＳ ゴシック"="IPAGothic"\r\n"MS Gothic"="IPAGothic"\r\n'
  printf '"MS UI Gothic"="IPAPGothic"\r\n\r\n'
  # The help file is a web page. Its type is registered with Wine's HTML engine,
  # which is left out, so without these the shell finds no program for it. Wine's
  # browser hands it on to the desktop's opener (xdg-open). Neither prefix turns this
  # into a file type of the host: the tests' has no menu builder, and the player's
  # forbids it just below.
  printf '[HKEY_CLASSES_ROOT\\.htm]\r\n@="htmlfile"\r\n\r\n'
  printf '[HKEY_CLASSES_ROOT\\.html]\r\n@="htmlfile"\r\n\r\n'
  if [ -n "${KOTOPAI_DESKTOP:-}" ]; then
    # The tests' prefix: no sound device (PlaySound then fails silently) and one
    # virtual desktop for every program.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Audio"=""\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="%s"\r\n' "$KOTOPAI_DESKTOP"
    # A program that crashes ends at once with its exception code, which the test
    # that started it then reports. Wine would start its debugger (this key's
    # "winedbg --auto"), whose crash window waits for a person; SetErrorMode does not
    # stop it. With no command to start, the crash goes to the default handler.
    printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]\r\n"Debugger"=""\r\n'
  fi
  if [ -n "${KOTOPAI_PLAYER:-}" ]; then
    # The menu builder makes launchers of the player's shortcuts, but must not make
    # Wine the opener of the host's documents, pictures and pages.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\FileOpenAssociations]\r\n"Enable"="N"\r\n\r\n'
  fi
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
run wine regedit /S "$reg" >/dev/null 2>&1 || true
wineserver -w || true
rm -f "$reg"

if [ -z "${KOTOPAI_PLAYER:-}" ]; then
  # Wine links Desktop, Documents and the other user folders to the home directory;
  # the tests' shortcuts and files belong inside the prefix instead. Wine leaves a
  # real folder in place when it updates the prefix.
  find "$WINEPREFIX/drive_c/users" -type l -print0 |
    while IFS= read -r -d '' link; do rm "$link"; mkdir "$link"; done
fi

second_drive
rm -f "$WINEPREFIX"/.kotopai-ready-*
touch "$stamp"
