// The saved window position and the rule that decides whether to use it.
#include "window_position.h"
#include "center_window.h"
#include "settings.h"
#include "shell_state.h"

namespace {

// How much of the caption bar must lie on a monitor for the player to take hold of
// it and drag the window back.
constexpr int GRIP_WIDTH = 40;
constexpr int GRIP_HEIGHT = 10;

POINT restored = {0, 0};

}  // namespace

int saved_position_usable(int x, int y, int display_width, int display_height) {
  if (x == 0 || y == 0 || x >= display_width || y >= display_height) return 0;
  // A place saved on a monitor that is gone, or with the caption off every screen,
  // would leave the window out of reach.
  RECT caption = {x, y, x + MAIN_WIDTH,
                  y + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFIXEDFRAME)};
  HMONITOR monitor = MonitorFromRect(&caption, MONITOR_DEFAULTTONULL);
  if (!monitor) return 0;
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoA(monitor, &info)) return 0;
  RECT grip;
  if (!IntersectRect(&grip, &caption, &info.rcMonitor)) return 0;
  return grip.right - grip.left >= GRIP_WIDTH && grip.bottom - grip.top >= GRIP_HEIGHT;
}

void place_main_window(HWND window) {
  int x = ini_get_int("Pos", "X", 0, SETTINGS_FILE_NAME);
  int y = ini_get_int("Pos", "Y", 0, SETTINGS_FILE_NAME);
  HDC dc = GetDC(window);
  int width = GetDeviceCaps(dc, HORZRES);
  int height = GetDeviceCaps(dc, VERTRES);
  ReleaseDC(window, dc);
  RECT made;   // at the size its display scale gave it
  GetWindowRect(window, &made);
  if (saved_position_usable(x, y, width, height))
    MoveWindow(window, x, y, made.right - made.left, made.bottom - made.top, TRUE);
  else
    center_window(window);
}

// Not from the restored rectangle of the window's placement: that one is counted
// from the corner of the work area, which a taskbar at the top or left moves away
// from the screen's, so every run would move the window by the taskbar's size.
void note_main_window_moved(HWND window) {
  if (IsIconic(window) || IsZoomed(window)) return;   // a maximised window stands at the frame's overhang
  RECT rect;
  GetWindowRect(window, &rect);
  restored = {rect.left, rect.top};
}

POINT restored_place() { return restored; }
