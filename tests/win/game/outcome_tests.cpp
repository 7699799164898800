// The end of a game: cleared under or over three minutes, the ranking offered once,
// and a game that got stuck, was taken back and cleared without reward.
#include <algorithm>
#include "banner_windows.h"
#include "board.h"
#include "box_catcher.h"
#include "game_fixture.h"
#include "resource.h"
#include "shell_state.h"

namespace {

using Cues = std::vector<std::string>;

// The last pair of a game: face 3 at slots 0 and 1, every other tile gone.
void clear_last_pair() {
  click(0);
  click(1);
  removal_ticks(2);
}

TEST_F(GameTest, ClearedIn179SecondsShowsTheBannerAndOffersTheRankingOnce) {
  craft_board({{0, 3}, {1, 39}});
  elapsed_seconds = 179;
  cues_played.clear();
  BoxCatcher catcher;   // presses OK in the ranking's entry mode
  clear_last_pair();
  EXPECT_TRUE(IsWindowVisible(omigoto_window));
  EXPECT_EQ((Cues{"check", "check", "get"}), cues_played);
  ASSERT_EQ(1u, catcher.caught().size());
  EXPECT_STREQ("ランキング", catcher.caught()[0].caption.c_str());
  EXPECT_EQ(1, game_over);
  EXPECT_EQ(179, elapsed_seconds);
  EXPECT_EQ(0, timer_runs(TIMER_REMOVE));
  EXPECT_EQ(0, timer_runs(TIMER_ELAPSED));

  // Taken back and cleared again: neither the banner nor the ranking comes again.
  key(VK_BACK);
  EXPECT_FALSE(IsWindowVisible(omigoto_window));
  clear_last_pair();
  EXPECT_FALSE(IsWindowVisible(omigoto_window));
  EXPECT_EQ(1u, catcher.caught().size());
}

TEST_F(GameTest, ClearedIn180SecondsHasNoBannerButStillTheRanking) {
  craft_board({{0, 3}, {1, 39}});
  elapsed_seconds = 180;
  cues_played.clear();
  BoxCatcher catcher;
  clear_last_pair();
  EXPECT_FALSE(IsWindowVisible(omigoto_window));
  EXPECT_EQ((Cues{"check", "check", "get"}), cues_played);
  EXPECT_EQ(1u, catcher.caught().size());
  EXPECT_EQ(1, game_over);
  EXPECT_EQ(0, timer_runs(TIMER_ELAPSED));
}

// X at cells (5, 4) and (6, 5), Z at (6, 4) and (5, 5): a crossing that no path
// can join while all four stand. Two more Z stand above and below it at (6, 2) and
// (5, 7). Taking those two first leaves the crossing: stuck. Taking each with
// its near Z first opens the crossing and clears the board.
struct StuckTest : GameTest {
  enum { X1 = 58, Z1 = 59, Z2 = 76, X2 = 77, Z3 = 23, Z4 = 112 };
  void SetUp() override {
    GameTest::SetUp();
    craft_board({{X1, 10}, {X2, 46}, {Z1, 11}, {Z2, 47}, {Z3, 83}, {Z4, 119}});
    cues_played.clear();
  }
  void take(int a, int b) {
    click(a);
    click(b);
    removal_ticks(2);
  }
};

TEST_F(StuckTest, StuckThenUndoneThenClearedEarnsNothingAndKeepsItsTime) {
  BoxCatcher catcher;
  elapsed_seconds = 50;
  take(Z3, Z4);
  EXPECT_TRUE(IsWindowVisible(tezumari_window));
  EXPECT_EQ(0, timer_runs(TIMER_ELAPSED));
  EXPECT_EQ((Cues{"check", "check", "tezumari"}), cues_played);
  EXPECT_EQ(1, game_over);
  EXPECT_EQ(1, was_stuck);

  cues_played.clear();
  key(VK_BACK);
  EXPECT_FALSE(IsWindowVisible(tezumari_window));
  EXPECT_EQ(Cues{"back"}, cues_played);
  EXPECT_TRUE(IsWindowVisible(tile_window(Z3)));
  EXPECT_TRUE(IsWindowVisible(tile_window(Z4)));

  take(Z3, Z1);
  take(X1, X2);
  cues_played.clear();
  take(Z2, Z4);
  EXPECT_EQ((Cues{"check", "check", "get"}), cues_played);
  EXPECT_FALSE(IsWindowVisible(omigoto_window));
  EXPECT_FALSE(IsWindowVisible(tezumari_window));
  EXPECT_TRUE(catcher.caught().empty());
  EXPECT_EQ(50, elapsed_seconds);
  EXPECT_EQ(0, timer_runs(TIMER_ELAPSED));
  for (int slot : {X1, X2, Z1, Z2, Z3, Z4}) EXPECT_FALSE(IsWindowVisible(tile_window(slot)));
}

TEST_F(StuckTest, NewGameAfterTheEndStartsTheClockAgain) {
  take(Z3, Z4);
  ASSERT_EQ(1, game_over);
  elapsed_seconds = 99;
  key(VK_F2);
  EXPECT_EQ(0, game_over);
  EXPECT_EQ(0, was_stuck);
  EXPECT_EQ(0, elapsed_seconds);
  EXPECT_FALSE(IsWindowVisible(tezumari_window));
  EXPECT_EQ(1, timer_runs(TIMER_ELAPSED));
}

TEST_F(GameTest, RestartLaysTheDealOutAgainAndKeepsTheTime) {
  int deal_before[TILE_COUNT];
  craft_board({{0, 3}, {1, 39}, {5, 4}, {6, 40}});
  std::copy(deal_table, deal_table + TILE_COUNT, deal_before);
  command(IDM_RESTART);   // everything crafted as removed comes back
  elapsed_seconds = 42;
  cues_played.clear();
  command(IDM_RESTART);   // nothing picked or removed: silent
  EXPECT_TRUE(cues_played.empty());

  click(0);
  click(1);
  removal_ticks(2);
  click(5);
  cues_played.clear();
  command(IDM_RESTART);
  EXPECT_EQ(Cues{"back"}, cues_played);
  EXPECT_EQ(42, elapsed_seconds);
  EXPECT_EQ(NO_SELECTION, selected_slot);
  EXPECT_TRUE(std::equal(deal_table, deal_table + TILE_COUNT, deal_before));
  expect_full_board_in_normal_look();
}

}  // namespace
