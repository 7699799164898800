// A stand-in main window for the presentation tests.
#include "test_windows.h"
#include "banner_windows.h"
#include "board.h"
#include "rules_support.h"
#include "state_reset.h"
#include "tile_windows.h"
#include "window_classes.h"

ParentLog parent_log;

namespace {

const char* const PARENT_CLASS = "Presentation Test Parent";

LRESULT CALLBACK parent_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAI_CLICK:
      ++parent_log.pai_clicks;
      parent_log.last_click = lparam;
      return 0;
    case WM_COMMAND:
      ++parent_log.commands;
      parent_log.last_command = wparam;
      return 0;
    case WM_LBUTTONDOWN:
      ++parent_log.left_clicks;
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

// The game's own classes for the children, a plain recording one for the parent.
void register_classes() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  register_window_classes(GetModuleHandleA(nullptr));
  WNDCLASSA parent_class = {};
  parent_class.lpfnWndProc = parent_proc;
  parent_class.hInstance = GetModuleHandleA(nullptr);
  parent_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  parent_class.lpszClassName = PARENT_CLASS;
  RegisterClassA(&parent_class);
}

}  // namespace

// One parent serves every test: destroying a top-level window costs Wine about two
// seconds without a window manager, its children cost nothing.
HWND create_test_parent() {
  static HWND parent = nullptr;
  register_classes();
  parent_log = ParentLog{};
  board_reset();
  layout_cells();
  for (int s = 0; s < TILE_COUNT; ++s) deal_table[s] = s;
  // Topmost at the screen's origin, so client and screen coordinates agree and no
  // other program's window on the shared display hides it.
  if (!IsWindow(parent))
    parent = CreateWindowExA(WS_EX_TOPMOST, PARENT_CLASS, "presentation tests",
                             WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 780, 580, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  pump_messages();
  return parent;
}

void create_presentation_children(HWND parent) {
  create_omigoto_window(parent);
  create_tezumari_window(parent);
  create_pai_windows(parent);
  UpdateWindow(parent);
  RedrawWindow(parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  pump_messages();
}

void destroy_test_parent(HWND parent) {
  while (HWND child = GetWindow(parent, GW_CHILD)) DestroyWindow(child);
  pump_messages();
  presentation_reset();
  board_reset();
}

POINT ground_point(const unsigned char* dib) {
  for (int y = 0; y < 62; ++y)
    for (int x = 0; x < 43; ++x)
      if (dib_index(dib, 256, x, y) == 16) return POINT{x, y};
  return POINT{-1, -1};
}

HWND window_at(HWND parent, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(parent, &point);
  return WindowFromPoint(point);
}
