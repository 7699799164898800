# Sourced by the Wine scripts: the project's own prefix and Wine's settings.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko installers on a machine without a person; no menu entries on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
