// Laying the main window out again when it meets another display scale.
#include "rescale.h"
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
#include "tile_windows.h"

namespace {

// The scale for the DPI on the monitor that holds most of the window's new place.
int percent_at(int dpi, const RECT& place) { return main_percent(dpi, work_area_of(place)); }

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
  if (status_bar) SendMessageW(status_bar, WM_SIZE, 0, 0);   // back to the bottom edge
  set_icons_for_dpi(window);
  InvalidateRect(window, nullptr, TRUE);
}
