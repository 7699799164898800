// The functions that know a window's DPI came with Windows 10; they are looked up at
// run time, so the same program starts on older systems, which have one DPI for all.
#include "program_icons.h"
#include "resource.h"
#include "user32_later.h"

namespace {

UINT screen_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

HANDLE load_at(UINT dpi, int resource_id, UINT type, int metric) {
  const int size = metric_at_dpi(metric, dpi);
  return LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource_id), type, size, size, LR_DEFAULTCOLOR);
}

}  // namespace

UINT dpi_of(HWND window) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  using DpiForSystem = UINT(WINAPI*)();
  static auto for_window = user32_function<DpiForWindow>("GetDpiForWindow");
  static auto for_system = user32_function<DpiForSystem>("GetDpiForSystem");
  UINT dpi = 0;
  if (window && for_window) dpi = for_window(window);
  else if (for_system) dpi = for_system();
  return dpi ? dpi : screen_dpi();
}

int metric_at_dpi(int metric, UINT dpi) {
  using MetricsForDpi = int(WINAPI*)(int, UINT);
  static auto for_dpi = user32_function<MetricsForDpi>("GetSystemMetricsForDpi");
  if (for_dpi) return for_dpi(metric, dpi);
  return GetSystemMetrics(metric);   // one DPI for the whole system: this is it
}

HICON program_icon(HWND window, int metric) {
  return static_cast<HICON>(load_at(dpi_of(window), IDI_MAIN, IMAGE_ICON, metric));
}

HCURSOR finger_cursor(UINT dpi) {
  return static_cast<HCURSOR>(load_at(dpi, IDC_FINGER, IMAGE_CURSOR, SM_CXCURSOR));
}
