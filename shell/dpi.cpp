// The DPI functions of newer Windows, taken from user32 when present, and the main
// window's size at each display scale.
#include "dpi.h"
#include "art_sets.h"
#include "program_icons.h"
#include "shell_state.h"
#include "user32_later.h"

namespace {

using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using EnableNonClient = BOOL(WINAPI*)(HWND);
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

AdjustForDpi adjust_for_dpi() {
  static const AdjustForDpi adjust = user32_function<AdjustForDpi>("AdjustWindowRectExForDpi");
  return adjust;
}

// Caption, menu bar and frame around a client area at the DPI. Without the newer
// function, the system's metrics are the only ones there are.
RECT frame_around(RECT client, int dpi) {
  if (const AdjustForDpi adjust = adjust_for_dpi())
    adjust(&client, MAIN_STYLE, TRUE, 0, dpi);
  else
    AdjustWindowRectEx(&client, MAIN_STYLE, TRUE, 0);
  return client;
}

SIZE size_of(const RECT& rect) { return SIZE{rect.right - rect.left, rect.bottom - rect.top}; }

// The frame of the window at 96 DPI. Windows 7 and 8 have only the system's, which is
// taken back to 96 DPI by the scale it was drawn at.
SIZE frame_at_96() {
  const SIZE frame = size_of(frame_around(RECT{0, 0, 0, 0}, 96));
  const int system_dpi = static_cast<int>(dpi_of(nullptr));
  if (adjust_for_dpi() || system_dpi == 96) return frame;
  return SIZE{MulDiv(frame.cx, 96, system_dpi), MulDiv(frame.cy, 96, system_dpi)};
}

// The monitor a window meets a DPI on: of those at that DPI, the one that holds most of
// `place`. Windows 7 and 8, which cannot say a monitor's DPI, leave it unset.
struct MonitorAtDpi {
  UINT dpi;
  RECT place;
  DpiForMonitor dpi_for_monitor;
  HMONITOR found;
  long overlap;
};

BOOL CALLBACK weigh_monitor(HMONITOR monitor, HDC, RECT* bounds, LPARAM search_address) {
  auto& search = *reinterpret_cast<MonitorAtDpi*>(search_address);
  UINT dpi_x = 0, dpi_y = 0;
  if (search.dpi_for_monitor(monitor, 0 /* MDT_EFFECTIVE_DPI */, &dpi_x, &dpi_y) != S_OK || dpi_y != search.dpi)
    return TRUE;
  RECT common;
  const long overlap = IntersectRect(&common, bounds, &search.place)
                           ? long(common.right - common.left) * (common.bottom - common.top) : 0;
  if (!search.found || overlap > search.overlap) search.found = monitor, search.overlap = overlap;
  return TRUE;
}

RECT work_area_of_monitor(HMONITOR monitor) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoA(monitor, &info)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  return info.rcWork;
}

}  // namespace


void scale_nonclient_area(HWND window) {
  static const EnableNonClient enable = user32_function<EnableNonClient>("EnableNonClientDpiScaling");
  if (enable) enable(window);
}

SIZE main_client_size(int percent) {
  const SIZE frame = frame_at_96();
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

RECT work_area_of(const RECT& rect) { return work_area_of_monitor(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST)); }

// shcore is loaded only when the window first meets another DPI (8.1 and later have it).
RECT work_area_at_dpi(int dpi, const RECT& place) {
  static const HMODULE shcore = LoadLibraryW(L"shcore.dll");
  static const auto dpi_for_monitor =
      shcore ? reinterpret_cast<DpiForMonitor>(reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
             : nullptr;
  MonitorAtDpi search = {static_cast<UINT>(dpi), place, dpi_for_monitor, nullptr, 0};
  if (dpi_for_monitor) EnumDisplayMonitors(nullptr, nullptr, weigh_monitor, reinterpret_cast<LPARAM>(&search));
  return search.found ? work_area_of_monitor(search.found) : work_area_of(place);
}
