# Sourced by the Wine scripts: the project's own prefix and Wine's settings.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
# The tests' prefix puts every program in one virtual desktop: no X window manager is
# waited for when a window closes (about 2 s each under a bare Xvfb). The player's
# prefix (scripts/play.sh) leaves it empty, so the game opens a normal window.
export KOTOPAI_DESKTOP=${KOTOPAI_DESKTOP-1024x768}
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko installers on a machine without a person; no menu entries on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
