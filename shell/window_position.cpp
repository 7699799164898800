// The saved window position and the rule that decides whether to use it.
#include "window_position.h"
#include "center_window.h"
#include "settings.h"
#include "shell_state.h"

int saved_position_usable(int x, int y, int display_width, int display_height) {
  if (x == 0 || y == 0 || x >= display_width || y >= display_height) return 0;
  // A place saved on a monitor that is gone would leave the window out of reach.
  RECT window = {x, y, x + MAIN_WIDTH, y + MAIN_HEIGHT};
  return MonitorFromRect(&window, MONITOR_DEFAULTTONULL) != nullptr;
}

void place_main_window(HWND window) {
  int x = ini_get_int("Pos", "X", 0, SETTINGS_FILE_NAME);
  int y = ini_get_int("Pos", "Y", 0, SETTINGS_FILE_NAME);
  HDC dc = GetDC(window);
  int width = GetDeviceCaps(dc, HORZRES);
  int height = GetDeviceCaps(dc, VERTRES);
  ReleaseDC(window, dc);
  if (saved_position_usable(x, y, width, height))
    MoveWindow(window, x, y, MAIN_WIDTH, MAIN_HEIGHT, TRUE);
  else
    center_window(window);
}
