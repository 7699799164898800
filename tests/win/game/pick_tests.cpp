// Picking: the looks and cues of each case, the refused pair, the accepted pair's
// line and its removal after two ticks, and picks that come during that delay.
#include "board.h"
#include "box_catcher.h"
#include "game_fixture.h"
#include "modal_boxes.h"
#include "resource.h"
#include "removal.h"
#include "shell_state.h"

namespace {

using Cues = std::vector<std::string>;

// Row 1: face 3 at slots 0 and 2 with the cell between empty; face 4 side by side
// at slots 3 and 4. Slot 40 (face 3) is walled in by four lone tiles and cannot be
// reached. Ids f, f + 36, f + 72, f + 108 are the four tiles of face f.
struct PickTest : GameTest {
  void SetUp() override {
    GameTest::SetUp();
    craft_board({{0, 3}, {2, 39}, {3, 4}, {4, 40}, {40, 75},
                 {39, 5}, {41, 6}, {22, 7}, {58, 8}});
    cues_played.clear();
  }
};

TEST_F(PickTest, FirstPickSelectsThenTheSameTileCancels) {
  POINT ground = ground_point(0);
  ASSERT_GE(ground.x, 0);
  click(0);
  EXPECT_EQ(Cues{"check"}, cues_played);
  EXPECT_EQ(0, selected_slot);
  EXPECT_EQ(TILE_SELECTED, slot_cell(0).state);
  EXPECT_EQ(SELECTED_GROUND, ground_colour(0, ground));

  click(0);
  EXPECT_EQ((Cues{"check", "cancel"}), cues_played);
  EXPECT_EQ(NO_SELECTION, selected_slot);
  EXPECT_EQ(TILE_IN_PLACE, slot_cell(0).state);
  EXPECT_EQ(NORMAL_GROUND, ground_colour(0, ground));
}

TEST_F(PickTest, OtherFaceDoesNothingAndTheFirstStaysPicked) {
  POINT ground = ground_point(3);
  click(0);
  click(3);
  EXPECT_EQ(Cues{"check"}, cues_played);
  EXPECT_EQ(0, selected_slot);
  EXPECT_EQ(TILE_IN_PLACE, slot_cell(3).state);
  EXPECT_EQ(NORMAL_GROUND, ground_colour(3, ground));
}

TEST_F(PickTest, SameFaceWithoutPathIsRefusedWithABox) {
  POINT ground = ground_point(40);
  HWND owner = nullptr;
  BoxCatcher catcher([&](HWND box) {
    owner = GetWindow(box, GW_OWNER);
    press_button(IDOK)(box);
  });
  click(0);
  click(40);
  ASSERT_EQ(1u, catcher.caught().size());
  EXPECT_STREQ("取れません！", catcher.caught()[0].text.c_str());
  EXPECT_STREQ(" ", catcher.caught()[0].caption.c_str());
  EXPECT_EQ(window, owner);
  EXPECT_EQ(Cues{"check"}, cues_played);
  EXPECT_EQ(0, selected_slot);
  EXPECT_EQ(TILE_SELECTED, slot_cell(0).state);
  EXPECT_EQ(TILE_IN_PLACE, slot_cell(40).state);
  EXPECT_EQ(NORMAL_GROUND, ground_colour(40, ground));
  EXPECT_EQ(0, removal_delay.pending);
}

TEST_F(PickTest, AcceptedPairShowsItsLineThenGoesAfterTwoTicks) {
  POINT ground0 = ground_point(0), ground2 = ground_point(2);
  // The empty cell (2, 1) between the two: the line crosses it in plain view.
  POINT between = {20 + 36 * 2 + 12, 35 + 49 + 19};
  HDC dc = GetDC(window);
  COLORREF background = GetPixel(dc, between.x, between.y);
  ASSERT_NE(RGB(0, 255, 255), background);

  click(0);
  click(2);
  EXPECT_EQ((Cues{"check", "check"}), cues_played);
  EXPECT_EQ(NO_SELECTION, selected_slot);
  EXPECT_EQ(TILE_REMOVED, slot_cell(0).state);
  EXPECT_EQ(TILE_REMOVED, slot_cell(2).state);
  EXPECT_EQ(SELECTED_GROUND, ground_colour(0, ground0));
  EXPECT_EQ(SELECTED_GROUND, ground_colour(2, ground2));
  UpdateWindow(window);   // the paint the accepted pair asked for
  EXPECT_EQ(RGB(0, 255, 255), GetPixel(dc, between.x, between.y));

  removal_ticks(1);
  EXPECT_TRUE(IsWindowVisible(tile_window(0)));
  EXPECT_TRUE(IsWindowVisible(tile_window(2)));
  EXPECT_EQ(RGB(0, 255, 255), GetPixel(dc, between.x, between.y));

  removal_ticks(1);
  EXPECT_FALSE(IsWindowVisible(tile_window(0)));
  EXPECT_FALSE(IsWindowVisible(tile_window(2)));
  EXPECT_EQ((Cues{"check", "check", "get"}), cues_played);
  EXPECT_EQ(background, GetPixel(dc, between.x, between.y));
  EXPECT_EQ(background, GetPixel(back_dc, between.x, between.y));
  EXPECT_EQ(0, timer_runs(TIMER_REMOVE));
  ReleaseDC(window, dc);
}

TEST_F(PickTest, AdjacentPairDrawsItsLineIntoTheOffScreenPicture) {
  // Anchors of cells (4, 1) and (5, 1): (176, 103) and (212, 103), under the tiles.
  COLORREF before = GetPixel(back_dc, 194, 103);
  click(3);
  click(4);
  EXPECT_EQ(RGB(0, 255, 255), GetPixel(back_dc, 194, 103));
  removal_ticks(2);
  EXPECT_FALSE(IsWindowVisible(tile_window(3)));
  EXPECT_FALSE(IsWindowVisible(tile_window(4)));
  EXPECT_EQ((Cues{"check", "check", "get"}), cues_played);
  EXPECT_EQ(before, GetPixel(back_dc, 194, 103));
}

TEST_F(PickTest, PickDuringTheDelayFinishesTheWaitingPairFirst) {
  click(0);
  click(2);
  removal_ticks(1);
  cues_played.clear();
  click(3);
  EXPECT_FALSE(IsWindowVisible(tile_window(0)));
  EXPECT_FALSE(IsWindowVisible(tile_window(2)));
  EXPECT_EQ((Cues{"get", "check"}), cues_played);
  EXPECT_EQ(3, selected_slot);
  EXPECT_EQ(0, removal_delay.pending);
  // The late ticks of the finished delay change nothing.
  removal_ticks(2);
  EXPECT_EQ((Cues{"get", "check"}), cues_played);
  EXPECT_EQ(TILE_SELECTED, slot_cell(3).state);
}

// So is any pick or key while one of the program's boxes is open: input that the
// box's modal loop hands to the main window must not act under the box, whether a
// pair is still on show (its settling waits for the box) or none is.
TEST_F(PickTest, ClickOnThePairOnShowAndInputUnderABoxAreIgnored) {
  click(0);
  click(2);
  cues_played.clear();
  click(2);
  click(0);
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "a pair on show" : "no pair on show");
    ASSERT_TRUE(take_modal_place());
    click(3);
    key(VK_BACK);
    key(VK_SPACE);
    give_back_modal_place();
    EXPECT_TRUE(cues_played.empty());
    EXPECT_EQ(pass == 0 ? 1 : 0, removal_delay.pending);
    EXPECT_EQ(NO_SELECTION, selected_slot);
    EXPECT_EQ(pass == 0, IsWindowVisible(tile_window(0)) != 0);   // on show, then gone: not taken back
    if (pass == 0) removal_ticks(2);
    cues_played.clear();
  }
}

TEST_F(PickTest, UndoDuringTheDelayBringsThePairBackVisible) {
  click(0);
  click(2);
  cues_played.clear();
  key(VK_BACK);
  EXPECT_EQ((Cues{"get", "back"}), cues_played);
  EXPECT_TRUE(IsWindowVisible(tile_window(0)));
  EXPECT_TRUE(IsWindowVisible(tile_window(2)));
  EXPECT_EQ(TILE_IN_PLACE, slot_cell(0).state);
  EXPECT_EQ(TILE_IN_PLACE, slot_cell(2).state);
  UpdateWindow(tile_window(0));
  EXPECT_GE(ground_point(0).x, 0);   // the normal look again
}

TEST_F(PickTest, NewGameAndRestartDuringTheDelayLeaveEveryTileVisible) {
  for (int id : {IDM_RESTART, IDM_NEW_GAME}) {
    craft_board({{0, 3}, {2, 39}, {5, 4}, {6, 40}});
    click(0);
    click(2);
    command(id);
    EXPECT_EQ(0, removal_delay.pending);
    removal_ticks(2);   // nothing is left to take off
    expect_full_board_in_normal_look();
  }
}

// Slots 0 and 35 (face 3) at cells (1, 1) and (18, 2); slots 17 and 18 stand on both
// one-corner routes, so the line takes two corners across the board.
TEST_F(GameTest, TwoCornerLineReachesTheScreenWholeWhereNoTileCoversIt) {
  craft_board({{0, 3}, {35, 39}, {17, 5}, {18, 6}});
  UpdateWindow(window);
  click(0);
  click(35);
  ASSERT_EQ(1, removal_delay.pending);
  UpdateWindow(window);

  const COLORREF line = RGB(0, 255, 255);
  HDC dc = GetDC(window);
  int line_pixels = 0, missing = 0;
  for (int y = 30; y < 500; y += 2)
    for (int x = 0; x < 780; x += 2) {
      if (GetPixel(back_dc, x, y) != line) continue;
      if (ChildWindowFromPointEx(window, POINT{x, y}, CWP_SKIPINVISIBLE) != window) continue;
      ++line_pixels;
      if (GetPixel(dc, x, y) != line) ++missing;
    }
  ReleaseDC(window, dc);
  EXPECT_GT(line_pixels, 300);
  EXPECT_EQ(0, missing);
  removal_ticks(2);
}

}  // namespace
