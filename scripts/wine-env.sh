# Sourced by the Wine scripts: the project's own prefixes and Wine's settings.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# Wine reads file names in the locale's character set: a UTF-8 locale that every
# system has lets the game start from a folder with any letters. The game's texts do
# not depend on it. KOTOPAI_LOCALE names another, whose language Wine takes as the
# system's, with its code page (en_US 1252, zh_CN 936, ko_KR 949, ja_JP 932): Wine 8
# reads it from the name alone, generated or not.
export LC_ALL=${KOTOPAI_LOCALE:-C.UTF-8}
# Both prefixes: "mscoree,mshtml=" offers no Mono/Gecko installers to a machine without a person.
if [ -n "${KOTOPAI_PLAYER:-}" ]; then
  # The player's prefix (scripts/play.sh): sound on, the game in a window of its own,
  # and Wine's menu builder, so the shortcuts the player asks for become launchers on
  # the Linux desktop.
  export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix-play} KOTOPAI_DESKTOP=
  export WINEDLLOVERRIDES="mscoree,mshtml="
else
  # The tests' prefix puts every program in one virtual desktop: no X window manager
  # is waited for when a window closes (about 2 s each under a bare Xvfb). It writes
  # nothing on the host: no menu entries, and its user folders stay inside it.
  export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
  export KOTOPAI_DESKTOP=${KOTOPAI_DESKTOP-1024x768}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
fi
