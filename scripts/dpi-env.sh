# Sourced with $dpi set (120, 144, 192, 288...): the test prefix of that display scale,
# made once, with a virtual desktop large enough for the window at 300 %, so no scale
# is refused for want of room. Defines run_on_display for the programs started in it.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=$here/build/wineprefix-dpi$dpi KOTOPAI_DESKTOP=2560x1920
source "$here/scripts/wine-env.sh"
run_on_display() {
  if [ -n "${DISPLAY:-}" ]; then "$@"
  else xvfb-run -a -s "-screen 0 2560x1920x24" "$@"; fi
}
"$here/scripts/wine-prefix.sh"
if [ ! -f "$WINEPREFIX/.kotopai-dpi" ]; then
  run_on_display wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.kotopai-dpi"
fi
