// The stuck and cleared banners over the tiles: hidden at first, on top when shown,
// cut to an ellipse (the cleared one), gone at a click.
#include <gtest/gtest.h>
#include <windows.h>
#include "banner_windows.h"
#include "board.h"
#include "dib.h"
#include "resource.h"
#include "test_windows.h"

namespace {

class Banners : public PresentationWindows {
 protected:
  void expect_placed(HWND window, int id, int left, int top, int width, int height) {
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), parent);
    EXPECT_EQ(GetDlgCtrlID(window), id);
    EXPECT_FALSE(IsWindowVisible(window));
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
  }

};

}  // namespace

TEST_F(Banners, CreatedHiddenInTheirPlacesWithTheirPalettes) {
  expect_placed(omigoto_window, ID_OMIGOTO_WINDOW, 130, 140, 500, 250);
  expect_placed(tezumari_window, ID_TEZUMARI_WINDOW, 720, 50, 32, 144);
  EXPECT_NE(omigoto_palette, nullptr);
  EXPECT_EQ(omigoto_color_count, 256);
  EXPECT_NE(tezumari_palette, nullptr);
  EXPECT_EQ(tezumari_color_count, 16);

  HWND before = omigoto_window;
  create_omigoto_window(parent);
  create_tezumari_window(parent);
  EXPECT_EQ(omigoto_window, before);
}

TEST_F(Banners, ClearedBannerLiesAboveTheTilesInsideItsEllipseOnly) {
  const POINT middle = {380, 265};
  HWND tile_below = window_at(parent, middle.x, middle.y);
  EXPECT_NE(tile_below, parent);
  ShowWindow(omigoto_window, SW_SHOW);
  UpdateWindow(omigoto_window);
  EXPECT_EQ(window_at(parent, middle.x, middle.y), omigoto_window);
  // The corner of the rectangle lies outside the ellipse: the tile under it takes the click.
  HWND corner = window_at(parent, 130 + 5, 140 + 5);
  EXPECT_NE(corner, omigoto_window);
  EXPECT_EQ(GetParent(corner), parent);

  SendMessageA(omigoto_window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 125));
  EXPECT_FALSE(IsWindowVisible(omigoto_window));
  EXPECT_EQ(window_at(parent, middle.x, middle.y), tile_below);
  EXPECT_EQ(parent_log.pai_clicks + parent_log.commands + parent_log.left_clicks, 0);
}

TEST_F(Banners, StuckBannerShowsItsPictureAndHidesAloneWhenClicked) {
  ShowWindow(tezumari_window, SW_SHOW);
  ShowWindow(omigoto_window, SW_SHOW);
  UpdateWindow(tezumari_window);
  EXPECT_EQ(window_at(parent, 720 + 16, 50 + 72), tezumari_window);

  // Every pixel is the colour its stored picture names.
  const unsigned char* dib = dib_resource(IDB_TEZUMARI);
  HDC dc = GetDC(tezumari_window);
  for (int y = 0; y < 144; ++y)
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(GetPixel(dc, x, y), table_color(dib, dib_index(dib, 16, x, y))) << x << "," << y;
    }
  ReleaseDC(tezumari_window, dc);

  SendMessageA(tezumari_window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(IsWindowVisible(tezumari_window));
  EXPECT_TRUE(IsWindowVisible(omigoto_window));
  SendMessageA(tezumari_window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(parent_log.commands, 0);
}
