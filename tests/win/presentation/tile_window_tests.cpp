// The tile windows in a real parent: place, outline, stacking, clicks and pixels.
#include <gtest/gtest.h>
#include <windows.h>
#include "board.h"
#include "dib.h"
#include "resource.h"
#include "test_windows.h"
#include "tile_pictures.h"
#include "tile_windows.h"

namespace {

constexpr int WIDTH = 43;
constexpr int HEIGHT = 62;

class TileWindows : public PresentationWindows {
 protected:
  static HWND tile(int slot) { return static_cast<HWND>(pai_windows[slot]); }

  // Compares every pixel inside the tile's outline with the colours its buffer names.
  static void expect_shows_its_buffer(int slot) {
    HWND window = tile(slot);
    const unsigned char* dib = tile_picture(IDB_PAI_FIRST + deal_table[slot]);
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, outline), ERROR);
    HDC dc = GetDC(window);
    int compared = 0;
    for (int y = 0; y < HEIGHT; ++y)
      for (int x = 0; x < WIDTH; ++x) {
        if (!PtInRegion(outline, x, y)) continue;
        ASSERT_EQ(GetPixel(dc, x, y), table_color(dib, dib_index(dib, 256, x, y)))
            << "slot " << slot << " at " << x << "," << y;
        ++compared;
      }
    ReleaseDC(window, dc);
    DeleteObject(outline);
    EXPECT_GT(compared, 2400);
  }

  // The colour on screen of the first ground pixel of the slot's stored picture.
  static COLORREF ground_pixel(int slot) {
    POINT point = ground_point(dib_resource(IDB_PAI_FIRST + deal_table[slot]));
    HDC dc = GetDC(tile(slot));
    COLORREF color = GetPixel(dc, point.x, point.y);
    ReleaseDC(tile(slot), dc);
    return color;
  }

};

}  // namespace

TEST_F(TileWindows, OneShownChildPerSlotAtItsPlace) {
  ASSERT_NE(pai_palette, nullptr);
  EXPECT_EQ(pai_color_count, 256);
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    SCOPED_TRACE(slot);
    HWND window = tile(slot);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), parent);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetDlgCtrlID(window), ID_PAI_WINDOW);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CHILD | WS_CLIPSIBLINGS), WS_CHILD | WS_CLIPSIBLINGS);
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 49 + 36 * (slot % 18));
    EXPECT_EQ(rect.top, 70 + 49 * (slot / 18));
    EXPECT_EQ(rect.right - rect.left, WIDTH);
    EXPECT_EQ(rect.bottom - rect.top, HEIGHT);
  }
  HWND first = tile(0);
  create_pai_windows(parent);   // a second call makes nothing new
  EXPECT_EQ(tile(0), first);
}

// Every tile window's region is the whole six-point polygon, nothing more or less:
// the upper right corner cut from (35, 0) to (42, 13), the lower left from (0, 49) to (8, 62).
TEST_F(TileWindows, OutlineIsTheSixPointPolygonWithTheTwoCornersCut) {
  const POINT corners[] = {{0, 0}, {35, 0}, {42, 13}, {42, 62}, {8, 62}, {0, 49}};
  HRGN expected = CreatePolygonRgn(corners, 6, ALTERNATE);
  HRGN outline = CreateRectRgn(0, 0, 0, 0);
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    ASSERT_EQ(GetWindowRgn(tile(slot), outline), COMPLEXREGION) << slot;
    ASSERT_TRUE(EqualRgn(outline, expected)) << slot;
  }
  DeleteObject(outline);
  DeleteObject(expected);
}

// Later slots lie above earlier ones; the cut corners let the click through.
TEST_F(TileWindows, TheTopmostOutlineUnderThePointTakesIt) {
  EXPECT_EQ(window_at(parent, 49 + 20, 70 + 20), tile(0));
  EXPECT_EQ(window_at(parent, 49 + 38, 70 + 20), tile(1));    // slot 0's right side under slot 1
  EXPECT_EQ(window_at(parent, 49 + 20, 70 + 55), tile(18));   // slot 0's lower side under slot 18
  // The cut upper right corner of slot 17 shows the parent ...
  EXPECT_EQ(window_at(parent, 661 + 40, 70 + 3), parent);
  // ... while the same spot of slot 35 lies on slot 17's lower right corner.
  EXPECT_EQ(window_at(parent, 661 + 40, 119 + 3), tile(17));
  // A removed tile uncovers its upper neighbour's lower side face.
  ShowWindow(tile(19), SW_HIDE);
  EXPECT_EQ(window_at(parent, 85 + 20, 70 + 55), tile(1));
  EXPECT_EQ(window_at(parent, 85 + 20, 119 + 20), parent);
}

TEST_F(TileWindows, LeftClickReportsTheTileAndRightClickAsksForAHint) {
  SendMessageA(tile(77), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(parent_log.pai_clicks, 1);
  EXPECT_EQ(parent_log.last_click, reinterpret_cast<LPARAM>(tile(77)));
  EXPECT_EQ(parent_log.commands, 0);

  SendMessageA(tile(3), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(parent_log.commands, 1);
  EXPECT_EQ(parent_log.last_command, static_cast<WPARAM>(IDM_HINT));
  EXPECT_EQ(parent_log.pai_clicks, 1);
}

TEST_F(TileWindows, ATileShowsItsBufferBeforeAndAfterARecolour) {
  const int slot = 143;   // the topmost tile: nothing covers it
  deal_table[slot] = 42;
  InvalidateRect(tile(slot), nullptr, FALSE);
  UpdateWindow(tile(slot));
  expect_shows_its_buffer(slot);
  COLORREF twin_before = ground_pixel(6);

  pai_recolor_draw(tile(slot), pai_palette, IDB_PAI_FIRST + 42, MARK_NORMAL, MARK_HINT, MARK_SPARE,
                   MARK_SELECTED);
  EXPECT_EQ(ground_pixel(slot), RGB(0, 255, 255));   // ground turned cyan at once
  expect_shows_its_buffer(slot);
  EXPECT_EQ(ground_pixel(6), twin_before);           // tile id 6 is its twin

  pai_recolor_draw(tile(slot), pai_palette, IDB_PAI_FIRST + 42, MARK_SELECTED, 0, 0, MARK_NORMAL);
  EXPECT_EQ(ground_pixel(slot), RGB(235, 235, 245));
}

// A look set without drawing appears at the next paint, and the paint request is served.
TEST_F(TileWindows, PaintingDrawsTheCurrentLookOfEveryPendingTile) {
  pai_recolor(tile(130), pai_palette, IDB_PAI_FIRST + 130, MARK_NORMAL, 0, 0, MARK_HINT);
  pai_recolor(tile(131), pai_palette, IDB_PAI_FIRST + 131, MARK_NORMAL, 0, 0, MARK_HINT);
  EXPECT_EQ(ground_pixel(130), RGB(235, 235, 245));
  InvalidateRect(tile(130), nullptr, FALSE);
  InvalidateRect(tile(131), nullptr, FALSE);
  SendMessageA(tile(131), WM_PAINT, 0, 0);   // one request serves both
  EXPECT_EQ(ground_pixel(130), RGB(0, 255, 0));
  EXPECT_EQ(ground_pixel(131), RGB(0, 255, 0));
  EXPECT_FALSE(GetUpdateRect(tile(130), nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(tile(131), nullptr, FALSE));
}

TEST_F(TileWindows, AStrayTileWindowIsStillValidatedWhenPainted) {
  HWND stray = CreateWindowExA(0, "Pai Window", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, WIDTH, HEIGHT, parent,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  InvalidateRect(stray, nullptr, FALSE);
  UpdateWindow(stray);
  EXPECT_FALSE(GetUpdateRect(stray, nullptr, FALSE));
  DestroyWindow(stray);
}
