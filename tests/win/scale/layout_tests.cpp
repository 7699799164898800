// The main window at the display scale of the prefix the program runs in (ctest runs
// it at 96, 120, 144, 192 and 288 DPI), and after a move to another scale.
#include <gtest/gtest.h>
#include <windows.h>
#include <climits>
#include "art_sets.h"
#include "banner_windows.h"
#include "board.h"
#include "clock.h"
#include "display_scale.h"
#include "main_window_harness.h"
#include "program_icons.h"
#include "rescale.h"
#include "resource_counts.h"
#include "shell_state.h"
#include "tile_windows.h"

namespace {

constexpr SIZE CLIENT_96 = {774, 536};   // of the 780 x 580 window, Wine's frame at 96 DPI
struct ScaleRow { int dpi, percent; };
const ScaleRow SCALES[] = {{96, 100}, {120, 125}, {144, 150}, {192, 200}, {288, 300}};

RECT place_in(HWND parent, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND window_at(HWND parent, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(parent, &point);
  return WindowFromPoint(point);
}

ScaleRow prefix_scale() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  for (const ScaleRow& row : SCALES)
    if (row.dpi == dpi) return row;
  return ScaleRow{dpi, 0};
}

// Wine draws every caption and menu at the prefix's DPI, so the client area and what
// the status bar covers are checked at that DPI only.
void expect_laid_out_at(HWND window, int percent, bool at_prefix_dpi) {
  SCOPED_TRACE(percent);
  EXPECT_EQ(percent, display_percent);
  RECT client;
  GetClientRect(window, &client);
  const int status_top = at_prefix_dpi ? place_in(window, status_bar).top : INT_MAX;
  if (at_prefix_dpi) {
    EXPECT_EQ(scale_length(CLIENT_96.cx, percent), client.right);
    EXPECT_EQ(scale_length(CLIENT_96.cy, percent), client.bottom);
  }
  const TileSize size = tile_size_at(percent);
  const RECT first = place_in(window, static_cast<HWND>(pai_windows[0]));
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    const RECT tile = place_in(window, static_cast<HWND>(pai_windows[slot]));
    const RECT expected = {first.left + size.step_x * (slot % DEAL_COLS), first.top + size.step_y * (slot / DEAL_COLS),
                           tile.left + size.width, tile.top + size.height};
    ASSERT_TRUE(EqualRect(&expected, &tile)) << slot;
    ASSERT_TRUE(tile.left >= 0 && tile.right <= client.right && tile.bottom <= status_top) << slot;
  }
  const RECT omigoto = place_in(window, omigoto_window), tezumari = place_in(window, tezumari_window);
  const int ring_middle = (cell_at(0, 0).cell_rect.left + cell_at(GRID_COLS - 1, 0).cell_rect.right + 1) / 2;
  EXPECT_NEAR(ring_middle, (omigoto.left + omigoto.right) / 2, 1);
  EXPECT_TRUE(tezumari.right <= client.right && tezumari.bottom <= status_top);
  // The elapsed time's widest figures, at the grown font, stay inside and above the tiles.
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, time_font);
  SIZE text;
  GetTextExtentPoint32A(dc, "88:88:88", 8, &text);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  EXPECT_LE(scale_length(TIME_TEXT_X, percent) + text.cx, client.right);
  EXPECT_LE(scale_length(TIME_TEXT_Y, percent) + text.cy, first.top);
  EXPECT_GE(text.cy, scale_length(18, percent));
}

// The corners of a tile's face and its middle pick that tile, never a neighbour; the
// line's ends lie inside their cells.
void expect_faces_picked(HWND window, int percent) {
  const TileSize size = tile_size_at(percent);
  const POINT spots[] = {{2, 2}, {size.step_x - 3, 2}, {2, size.step_y - 3},
                         {size.step_x - 3, size.step_y - 3}, {size.step_x / 2, size.step_y / 2}};
  for (int slot : {0, 17, 70, 126, 143}) {
    const RECT tile = place_in(window, static_cast<HWND>(pai_windows[slot]));
    for (const POINT& spot : spots)
      EXPECT_EQ(pai_windows[slot], window_at(window, tile.left + spot.x, tile.top + spot.y))
          << slot << " at " << spot.x << "," << spot.y;
  }
  for (Point cell : {Point{0, 0}, Point{1, 1}, Point{19, 9}}) {
    const Point end = line_anchor(cell.x, cell.y);
    const Rect& r = cell_at(cell.x, cell.y).cell_rect;
    EXPECT_TRUE(end.x > r.left && end.x < r.right && end.y > r.top && end.y < r.bottom);
  }
}

// The last tile, which nothing covers, shows its set's picture pixel for pixel inside
// its outline: a set stretched from another on the way to the screen differs.
void expect_drawn_from_its_set(HWND window) {
  HWND tile = static_cast<HWND>(pai_windows[TILE_COUNT - 1]);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump_messages();
  const auto* dib = art_picture(IDB_PAI_FIRST + deal_table[TILE_COUNT - 1], art_set_in_use);
  ASSERT_TRUE(dib != nullptr);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(dib);
  const int width = info->bmiHeader.biWidth, height = info->bmiHeader.biHeight, stride = (width + 3) & ~3;
  const unsigned char* bits = dib + info->bmiHeader.biSize + 256 * sizeof(RGBQUAD);
  BITMAPINFO shot_info = {};
  shot_info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  void* shot_bits = nullptr;
  HDC tile_dc = GetDC(tile), shot_dc = CreateCompatibleDC(tile_dc);
  HBITMAP shot = CreateDIBSection(tile_dc, &shot_info, DIB_RGB_COLORS, &shot_bits, nullptr, 0);
  HGDIOBJ old = SelectObject(shot_dc, shot);
  BitBlt(shot_dc, 0, 0, width, height, tile_dc, 0, 0, SRCCOPY);
  HRGN outline = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(tile, outline);
  int differing = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (!PtInRegion(outline, x, y)) continue;
      const RGBQUAD c = info->bmiColors[bits[(height - 1 - y) * stride + x]];
      const DWORD seen = static_cast<const DWORD*>(shot_bits)[y * width + x] & 0xffffff;
      differing += seen != (static_cast<DWORD>(c.rgbRed) << 16 | c.rgbGreen << 8 | c.rgbBlue);
    }
  EXPECT_EQ(0, differing) << "pixels of the " << art_set_in_use << " % picture";
  DeleteObject(outline);
  SelectObject(shot_dc, old);
  DeleteObject(shot);
  DeleteDC(shot_dc);
  ReleaseDC(tile, tile_dc);
}

// Wine never moves a window to another scale: the handler is called as Windows would.
void move_to_dpi(HWND window, int dpi) {
  RECT suggested = {30, 40, 30 + 100, 40 + 100};
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  pump_messages();
}

LONG font_height(HFONT font) {
  LOGFONTW look = {};
  GetObjectW(font, sizeof look, &look);
  return look.lfHeight < 0 ? -look.lfHeight : look.lfHeight;
}

// What else follows the DPI: the status bar along the bottom edge with its text at the
// DPI, the finger's size, the line's width.
void expect_sized_for(HWND window, int dpi, const ScaleRow& prefix, LONG prefix_status_text) {
  RECT client, bar = place_in(window, status_bar);
  GetClientRect(window, &client);
  EXPECT_TRUE(bar.left == 0 && bar.right == client.right && bar.bottom == client.bottom) << dpi;
  const LONG status_text = font_height(reinterpret_cast<HFONT>(SendMessageW(status_bar, WM_GETFONT, 0, 0)));
  EXPECT_NEAR(MulDiv(prefix_status_text, dpi, prefix.dpi), status_text, 1) << dpi;
  ICONINFO finger = {};
  ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(GetClassLongPtrW(static_cast<HWND>(pai_windows[0]), GCLP_HCURSOR)), &finger));
  BITMAP mask = {};
  GetObjectW(finger.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(metric_at_dpi(SM_CXCURSOR, dpi), mask.bmWidth) << dpi;
  DeleteObject(finger.hbmMask);
  if (finger.hbmColor) DeleteObject(finger.hbmColor);
  LOGPEN pen = {};
  GetObjectW(GetCurrentObject(back_dc, OBJ_PEN), sizeof pen, &pen);
  EXPECT_EQ(scale_length(10, display_percent), pen.lopnWidth.x) << dpi;
}

TEST(Scale, TheWindowIsLaidOutAtItsDpiAndAgainAfterAMoveToAnotherScale) {
  write_settings_text("[Pos]\r\nX=20\r\nY=20\r\n");
  HWND window = open_main_window();
  keep_on_top(window);
  const ScaleRow prefix = prefix_scale();
  ASSERT_NE(0, prefix.percent) << prefix.dpi;
  expect_laid_out_at(window, prefix.percent, true);
  expect_faces_picked(window, prefix.percent);
  expect_drawn_from_its_set(window);
  const LONG prefix_status_text = font_height(reinterpret_cast<HFONT>(SendMessageW(status_bar, WM_GETFONT, 0, 0)));

  SendMessageA(window, WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(pai_windows[5]));
  elapsed_seconds = 42;
  for (const ScaleRow& row : {SCALES[0], SCALES[1], SCALES[2], SCALES[3], SCALES[4], prefix}) {
    RECT place, work;
    move_to_dpi(window, row.dpi);
    GetWindowRect(window, &place);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);   // a smaller screen takes a smaller set
    EXPECT_TRUE(place.left == 30 && place.top == 40 && place.right - place.left <= work.right - work.left &&
                place.bottom - place.top <= work.bottom - work.top && display_percent <= row.percent) << row.dpi;
    expect_laid_out_at(window, display_percent, row.dpi == prefix.dpi);
    expect_faces_picked(window, display_percent);
    if (row.dpi == prefix.dpi) expect_drawn_from_its_set(window);   // elsewhere the status bar may cover it
    expect_sized_for(window, row.dpi, prefix, prefix_status_text);
  }
  // Sixty moves leave no drawing object, window, icon or cursor behind.
  const ResourceCounts before = resource_counts();
  for (int move = 0; move < 60; ++move) move_to_dpi(window, SCALES[move % 5].dpi);
  const ResourceCounts after = resource_counts();
  EXPECT_TRUE(before.gdi_objects == after.gdi_objects && before.user_objects == after.user_objects)
      << before.gdi_objects << " " << before.user_objects << " -> " << after.gdi_objects << " " << after.user_objects;
  EXPECT_EQ(TILE_SELECTED, slot_cell(5).state);
  EXPECT_EQ(5, selected_slot);
  EXPECT_GE(elapsed_seconds, 42);   // the clock went on counting
  close_main_window(window);
  remove_settings();
}

}  // namespace
