// The DPI functions of newer Windows, taken from user32 when present, and the main
// window's size at each display scale.
#include "dpi.h"
#include "art_sets.h"
#include "shell_state.h"
#include "user32_later.h"

namespace {

using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using EnableNonClient = BOOL(WINAPI*)(HWND);

// Caption, menu bar and frame around a client area at the DPI. Without the newer
// function, the system's metrics are the only ones there are.
RECT frame_around(RECT client, int dpi) {
  static const AdjustForDpi adjust = user32_function<AdjustForDpi>("AdjustWindowRectExForDpi");
  if (adjust)
    adjust(&client, MAIN_STYLE, TRUE, 0, dpi);
  else
    AdjustWindowRectEx(&client, MAIN_STYLE, TRUE, 0);
  return client;
}

SIZE size_of(const RECT& rect) { return SIZE{rect.right - rect.left, rect.bottom - rect.top}; }

}  // namespace


void scale_nonclient_area(HWND window) {
  static const EnableNonClient enable = user32_function<EnableNonClient>("EnableNonClientDpiScaling");
  if (enable) enable(window);
}

SIZE main_client_size(int percent) {
  const SIZE frame = size_of(frame_around(RECT{0, 0, 0, 0}, 96));
  return SIZE{scale_length(MAIN_WIDTH - frame.cx, percent), scale_length(MAIN_HEIGHT - frame.cy, percent)};
}

SIZE main_window_size(int percent, int dpi) {
  const SIZE client = main_client_size(percent);
  return size_of(frame_around(RECT{0, 0, client.cx, client.cy}, dpi));
}

int main_percent(int dpi, const RECT& work_area) {
  const SIZE room = size_of(work_area);
  const int wanted = art_set_for(dpi * 100 / 96);
  int chosen = ART_SET_PERCENTS[0];
  for (int set : ART_SET_PERCENTS) {
    const SIZE window = main_window_size(set, dpi);
    if (set <= wanted && window.cx <= room.cx && window.cy <= room.cy) chosen = set;
  }
  return chosen;
}

RECT work_area_of(const RECT& rect) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  return info.rcWork;
}
