// Laying the main window out again when it meets another display scale.
#include "rescale.h"
#include <initializer_list>
#include "back_picture.h"
#include "banner_windows.h"
#include "board.h"
#include "clock.h"
#include "connection.h"
#include "display_scale.h"
#include "dpi.h"
#include "program_icons.h"
#include "drawn_line.h"
#include "removal.h"
#include "shell_state.h"
#include "status_bar.h"
#include "tile_windows.h"

namespace {

// The scale for the DPI on the monitor the window meets it on, the same one whether
// Windows asks for the size before the move or gives the new place after it.
int percent_at(int dpi, const RECT& place) { return main_percent(dpi, work_area_at_dpi(dpi, place)); }

// The line of a pair on show lives only in the off-screen picture, which is made anew.
void draw_line_on_show() {
  if (!removal_delay.pending) return;
  const int first = removal_delay.removed_first, second = removal_delay.removed_second;
  draw_connection(slot_x(first), slot_y(first), slot_x(second), slot_y(second), back_dc);
  take_drawn_line_bounds();   // the whole window is painted again anyway
}

// The caption's and the task bar's icons, from the pictures made for the new DPI; the
// ones set before are let go.
void set_icons_for_dpi(HWND window) {
  const struct { WPARAM kind; int metric; } icons[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
  for (const auto& icon : icons) {
    const LPARAM picked = reinterpret_cast<LPARAM>(program_icon(window, icon.metric));
    if (HICON old = reinterpret_cast<HICON>(SendMessageW(window, WM_SETICON, icon.kind, picked))) DestroyIcon(old);
  }
}

}  // namespace

// The one set at an earlier move is let go; the classes' first one lasts the program's life.
void set_finger_for_dpi(int dpi) {
  static HCURSOR set_before = nullptr;
  HCURSOR finger = finger_cursor(static_cast<UINT>(dpi));
  if (!finger) return;
  for (HWND window : {static_cast<HWND>(pai_windows[0]), omigoto_window, tezumari_window})
    SetClassLongPtrW(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(finger));
  if (set_before) {
    if (GetCursor() == set_before) SetCursor(finger);   // the cursor on show is not destroyed
    DestroyCursor(set_before);
  }
  set_before = finger;
}

SIZE size_at_dpi(HWND window, int dpi) {
  RECT place;
  GetWindowRect(window, &place);
  return main_window_size(percent_at(dpi, place), dpi);
}

void on_dpi_changed(HWND window, int dpi, const RECT& suggested) {
  display_percent = percent_at(dpi, suggested);
  art_use_set(display_percent);
  const SIZE size = main_window_size(display_percent, dpi);
  SetWindowPos(window, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  layout_cells(display_percent);
  make_back_picture(window);
  draw_time();
  draw_line_on_show();
  place_pai_windows();
  place_banners();
  if (status_bar) fit_status_bar(static_cast<UINT>(dpi));
  set_icons_for_dpi(window);
  set_finger_for_dpi(dpi);
  // One paint of all: the tiles were placed and cut without drawing.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
