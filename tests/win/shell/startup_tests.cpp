// The main window as WinMain makes it: size, style, children, stacking, place.
#include <gtest/gtest.h>
#include "banner_windows.h"
#include "board.h"
#include "main_window_harness.h"
#include "resource.h"
#include "shell_state.h"
#include "window_position.h"

namespace {

struct MainWindowTest : testing::Test {
  HWND window = nullptr;
  void open_with(const char* settings) {
    write_settings_text(settings);
    window = open_main_window();
  }
  void TearDown() override {
    close_main_window(window);
    remove_settings();
  }
  RECT outer() {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
  }
};

const char* const CENTRED_SETTINGS = "[Pos]\r\nX=0\r\nY=0\r\n";

TEST_F(MainWindowTest, HasFixedSizeFrameWithMenuAndClippedChildren) {
  open_with(CENTRED_SETTINGS);
  RECT rect = outer();
  EXPECT_EQ(780, rect.right - rect.left);
  EXPECT_EQ(580, rect.bottom - rect.top);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_EQ(0, GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE);

  // The client area is what is left inside that frame, caption and menu bar.
  RECT client;
  GetClientRect(window, &client);
  RECT framed = client;
  AdjustWindowRectEx(&framed, style, TRUE, 0);
  EXPECT_EQ(780, framed.right - framed.left);
  EXPECT_EQ(580, framed.bottom - framed.top);
  EXPECT_GE(client.right, 740);   // the whole field of cells fits
  EXPECT_GE(client.bottom, 525);

  char caption[32];
  GetWindowTextA(window, caption, sizeof(caption));
  EXPECT_STREQ("Kotopai", caption);
  EXPECT_EQ(main_menu, GetMenu(window));
  EXPECT_EQ(5, GetMenuItemCount(main_menu));
}

TEST_F(MainWindowTest, TilesStandAtTheirSlotsAndBannersLieHiddenAboveThem) {
  open_with(CENTRED_SETTINGS);
  struct Expected { int slot, left, top; };
  for (Expected e : {Expected{0, 49, 70}, Expected{17, 661, 70}, Expected{126, 49, 413},
                     Expected{143, 661, 413}, Expected{40, 49 + 36 * 4, 70 + 49 * 2}}) {
    HWND tile = static_cast<HWND>(pai_windows[e.slot]);
    ASSERT_TRUE(IsWindow(tile)) << e.slot;
    EXPECT_EQ(window, GetParent(tile));
    EXPECT_TRUE(IsWindowVisible(tile));
    RECT rect;
    GetWindowRect(tile, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(e.left, rect.left) << e.slot;
    EXPECT_EQ(e.top, rect.top) << e.slot;
    EXPECT_EQ(43, rect.right - rect.left);
    EXPECT_EQ(62, rect.bottom - rect.top);
  }
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    EXPECT_EQ(TILE_IN_PLACE, slot_cell(slot).state);
  }

  EXPECT_FALSE(IsWindowVisible(omigoto_window));
  EXPECT_FALSE(IsWindowVisible(tezumari_window));
  // Walk the children from the top of the z-order: both banners before every tile.
  int tiles_seen = 0, banners_seen = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == omigoto_window || child == tezumari_window) {
      EXPECT_EQ(0, tiles_seen);
      ++banners_seen;
    } else if (GetDlgCtrlID(child) == ID_PAI_WINDOW) {
      ++tiles_seen;
    }
  }
  EXPECT_EQ(2, banners_seen);
  EXPECT_EQ(TILE_COUNT, tiles_seen);
  EXPECT_TRUE(IsWindowVisible(status_bar));
}

TEST_F(MainWindowTest, SwitchesComeFromTheSettingsWithTheirCheckMarks) {
  open_with("[Pos]\r\nX=0\r\nY=0\r\n[MODE]\r\nmode=1\r\n[SOUND]\r\nsound=0\r\n");
  EXPECT_EQ(1, game_mode);
  EXPECT_EQ(0, sound_on);
  EXPECT_EQ(MF_UNCHECKED, GetMenuState(main_menu, IDM_MODE_NORMAL, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(MF_CHECKED, GetMenuState(main_menu, IDM_MODE_EASY, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(MF_UNCHECKED, GetMenuState(main_menu, IDM_SOUND_ON, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(MF_CHECKED, GetMenuState(main_menu, IDM_SOUND_OFF, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MainWindowTest, PaintingCopiesTheOffScreenPicture) {
  open_with(CENTRED_SETTINGS);
  keep_on_top(window);
  SetPixel(back_dc, 30, 200, RGB(10, 200, 30));
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  HDC dc = GetDC(window);
  EXPECT_EQ(RGB(10, 200, 30), GetPixel(dc, 30, 200));
  ReleaseDC(window, dc);
}

// The saved place of the window: used or replaced by the centre.
struct PositionTest : MainWindowTest {
  POINT centre() {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    return POINT{(desktop.right - 780) / 2, (desktop.bottom - 580) / 2};
  }
  void expect_at(POINT where) {
    RECT rect = outer();
    EXPECT_EQ(where.x, rect.left);
    EXPECT_EQ(where.y, rect.top);
  }
};

TEST_F(PositionTest, ValidSavedPlaceIsUsed) {
  open_with("[Pos]\r\nX=100\r\nY=100\r\n");
  expect_at(POINT{100, 100});
}

TEST_F(PositionTest, ZeroInEitherKeyCentres) {
  open_with("[Pos]\r\nX=0\r\nY=300\r\n");
  expect_at(centre());
  close_main_window(window);
  open_with("[Pos]\r\nX=300\r\nY=0\r\n");
  expect_at(centre());
}

TEST_F(PositionTest, DisplayWidthCentresButMinusFiftyIsUsed) {
  int width = GetSystemMetrics(SM_CXSCREEN);
  char text[64];
  snprintf(text, sizeof(text), "[Pos]\r\nX=%d\r\nY=100\r\n", width);
  open_with(text);
  expect_at(centre());
  close_main_window(window);
  open_with("[Pos]\r\nX=-50\r\nY=100\r\n");
  expect_at(POINT{-50, 100});
}

TEST_F(PositionTest, PlaceOffEveryMonitorCentres) {
  open_with("[Pos]\r\nX=-5000\r\nY=-5000\r\n");
  expect_at(centre());
}

TEST(SavedPositionRule, NeedsNonZeroInsideTheDisplayAndOnAMonitor) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(1, saved_position_usable(100, 100, width, height));
  EXPECT_EQ(1, saved_position_usable(-50, 100, width, height));
  EXPECT_EQ(1, saved_position_usable(-700, -500, width, height));   // a corner still shows
  EXPECT_EQ(0, saved_position_usable(0, 100, width, height));
  EXPECT_EQ(0, saved_position_usable(100, 0, width, height));
  EXPECT_EQ(0, saved_position_usable(width, 100, width, height));
  EXPECT_EQ(0, saved_position_usable(100, height, width, height));
  EXPECT_EQ(0, saved_position_usable(-781, 100, width, height));    // just left of the screen
  EXPECT_EQ(0, saved_position_usable(-3000, -3000, width, height));
}

}  // namespace
