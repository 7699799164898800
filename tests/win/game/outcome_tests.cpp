// The end of a game: cleared under or over three minutes, the ranking offered once,
// and a game that got stuck, was taken back and cleared without reward.
#include <algorithm>
#include "banner_windows.h"
#include "board.h"
#include "box_catcher.h"
#include "main_window_harness.h"
#include "ranking_expect.h"
#include "settings.h"
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

// A key or command that comes while the last pair is still on show settles the game
// first, as if the delay had run out: the ranking entry opens on its own, and only
// then does the input act. The first box is answered after a second and any later
// one sooner, so the removal timer runs under the first and a box opened inside it
// would close first; the file's table is checked whole afterwards. The session's end
// settles nothing and shows nothing, yet writes the entry under the offered name and
// stops the clock at the entry's time; the settle that follows, should the process
// go on, offers nothing more. A game once stuck or already offered, or a pair that
// leaves tiles, earns no entry there either.
TEST_F(GameTest, InputInTheLastPairsDelaySettlesTheGameFirst) {
  struct Case {
    const char* what;
    UINT message;
    int code;
    std::vector<std::string> boxes;
    enum { PAIR_GONE, PAIR_BACK, NEW_DEAL, CLOSED, PAIR_ON_SHOW } board;
    enum { FIRST_CLEAR, ONCE_STUCK, OFFERED, PAIRS_LEFT } game = FIRST_CLEAR;
  };
  const Case cases[] = {
      {"BackSpace", WM_KEYDOWN, VK_BACK, {"ランキング"}, Case::PAIR_BACK},
      {"ranking view", WM_COMMAND, IDM_RANKING, {"ランキング", "ランキング"}, Case::PAIR_GONE},
      {"About", WM_COMMAND, IDM_ABOUT, {"ランキング", "バージョン情報"}, Case::PAIR_GONE},
      {"F2", WM_KEYDOWN, VK_F2, {"ランキング"}, Case::NEW_DEAL},
      {"Esc", WM_KEYDOWN, VK_ESCAPE, {"ランキング"}, Case::PAIR_GONE},
      {"Space", WM_KEYDOWN, VK_SPACE, {"ランキング"}, Case::PAIR_GONE},
      {"Alt+F4", WM_CLOSE, 0, {"ランキング"}, Case::CLOSED},
      {"session's end", WM_ENDSESSION, TRUE, {}, Case::PAIR_ON_SHOW},
      {"session's end, once stuck", WM_ENDSESSION, TRUE, {}, Case::PAIR_ON_SHOW, Case::ONCE_STUCK},
      {"session's end, offered before", WM_ENDSESSION, TRUE, {}, Case::PAIR_ON_SHOW, Case::OFFERED},
      {"session's end, a pair left", WM_ENDSESSION, TRUE, {}, Case::PAIR_ON_SHOW, Case::PAIRS_LEFT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();   // a new game: the ranking may be offered again
    if (c.game == Case::PAIRS_LEFT)
      craft_board({{0, 3}, {1, 39}, {5, 4}, {6, 40}});
    else
      craft_board({{0, 3}, {1, 39}});
    if (c.game == Case::ONCE_STUCK || c.game == Case::OFFERED) {   // as taken back after its end
      game_over = 1;
      was_stuck = c.game == Case::ONCE_STUCK;
      omigoto_shown = ranking_shown = c.game == Case::OFFERED;
      KillTimer(window, TIMER_ELAPSED);
    }
    elapsed_seconds = 100;
    const RankingTable before = ranking_in_file();
    char offered[RANKING_NAME_SIZE];
    ini_get_string("PLAYER", "NAME", "Player1", offered, sizeof offered, SETTINGS_FILE_NAME);
    const std::string typed = c.boxes.empty() ? offered : std::string("Seam ") + c.what;
    int enabled_under_a_box = 0;
    BoxCatcher catcher([&](HWND box) {
      enabled_under_a_box += IsWindowEnabled(window) ? 1 : 0;
      for (int row = 0; row < RANKING_SIZE; ++row) {
        HWND name = GetDlgItem(box, IDC_RANK_NAME_FIRST + row);
        if (name && !(GetWindowLongA(name, GWL_STYLE) & ES_READONLY)) SetWindowTextA(name, typed.c_str());
      }
      press_button(IDOK)(box);
    });
    int paused = 0;
    catcher.set_pause([&paused] { return paused++ == 0 ? 1000u : 300u; });
    click(0);
    click(1);
    SendMessageA(window, c.message, c.code, 0);

    std::vector<std::string> captions;
    for (const CaughtBox& box : catcher.caught()) captions.push_back(box.caption);
    EXPECT_EQ(c.boxes, captions);
    EXPECT_EQ(c.boxes.empty() ? 0u : 1u, catcher.most_open());
    EXPECT_EQ(0, enabled_under_a_box);
    EXPECT_EQ(c.board == Case::CLOSED, !IsWindow(window));
    EXPECT_EQ(c.code == VK_ESCAPE, IsIconic(window) != 0);
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    EXPECT_EQ(c.board != Case::CLOSED, IsWindowEnabled(window) != 0);
    EXPECT_FALSE(IsWindowVisible(omigoto_window));
    const RankingTable after = c.game == Case::FIRST_CLEAR ? with_new_entry(before, 100, typed.c_str()) : before;
    EXPECT_EQ("", ranking_difference(after, ranking_in_file()));
    char player[RANKING_NAME_SIZE];
    ini_get_string("PLAYER", "NAME", "Player1", player, sizeof player, SETTINGS_FILE_NAME);
    EXPECT_EQ(typed, player);
    if (c.board == Case::CLOSED) {
      EXPECT_EQ(1, game_over);
      close_main_window(window);   // the rest of the suite plays in a window of its own
      window = open_main_window();
      keep_on_top(window);
    } else if (c.board == Case::PAIR_ON_SHOW) {
      EXPECT_EQ(0, timer_runs(TIMER_REMOVE));
      EXPECT_EQ(c.game == Case::PAIRS_LEFT, timer_runs(TIMER_ELAPSED) == 1);
      EXPECT_TRUE(IsWindowVisible(tile_window(0)));
      EXPECT_EQ((Cues{"check", "check"}), cues_played);
      key(VK_SPACE);
      EXPECT_FALSE(IsWindowVisible(tile_window(1)));
      EXPECT_EQ(c.game != Case::PAIRS_LEFT, game_over == 1);
      EXPECT_TRUE(catcher.caught().empty());
      EXPECT_EQ("", ranking_difference(after, ranking_in_file()));
    } else if (c.board == Case::NEW_DEAL) {
      EXPECT_EQ(0, game_over);
      expect_full_board_in_normal_look();
    } else {
      EXPECT_EQ(1, game_over);   // cleared, and only taken back after
      EXPECT_EQ(c.board == Case::PAIR_BACK, IsWindowVisible(tile_window(0)) != 0);
      EXPECT_EQ(c.board == Case::PAIR_BACK, IsWindowVisible(tile_window(1)) != 0);
    }
  }
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

// BackSpace after the stuck-making pair went, or while it is still on show: either
// way the pair is settled first (the stuck banner, "tezumari"), then the key hides
// the banner and takes the pair back, so no banner stands over a playable board.
TEST_F(StuckTest, StuckThenUndoneThenClearedEarnsNothingAndKeepsItsTime) {
  for (bool in_the_delay : {false, true}) {
    SCOPED_TRACE(in_the_delay ? "BackSpace in the delay" : "BackSpace after the delay");
    if (in_the_delay) SetUp();
    BoxCatcher catcher;
    elapsed_seconds = 50;
    click(Z3);
    click(Z4);
    removal_ticks(in_the_delay ? 1 : 2);
    EXPECT_EQ(!in_the_delay, IsWindowVisible(tezumari_window));
    if (!in_the_delay) EXPECT_EQ(0, timer_runs(TIMER_ELAPSED));  // the banner comes with the clock stopped
    key(VK_BACK);
    EXPECT_FALSE(IsWindowVisible(tezumari_window));
    EXPECT_EQ((Cues{"check", "check", "tezumari", "back"}), cues_played);
    EXPECT_EQ(1, game_over);
    EXPECT_EQ(1, was_stuck);
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
