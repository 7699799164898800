// Commands and keys: every one stops the hint and hides the banners first; modes,
// sound, undo, Esc, the ranking's pause, help and home page, About and quit.
#include <algorithm>
#include "banner_windows.h"
#include "board.h"
#include "box_catcher.h"
#include "game_fixture.h"
#include "hint.h"
#include "homepage.h"
#include "main_window_harness.h"
#include "resource.h"
#include "settings.h"
#include "shell_calls.h"
#include "shell_open.h"
#include "shell_state.h"

namespace {

using Cues = std::vector<std::string>;

TEST_F(GameTest, F2DuringAHintStopsItThenDealsAnew) {
  craft_board({{0, 3}, {1, 39}, {2, 75}});
  elapsed_seconds = 77;
  command(IDM_HINT);
  ASSERT_NE(nullptr, hint_thread);
  Sleep(300);   // the first pair is lit by now
  key(VK_F2);
  EXPECT_EQ(nullptr, hint_thread);
  EXPECT_EQ(0, elapsed_seconds);
  expect_full_board_in_normal_look();
}

TEST_F(GameTest, ModeItemsDealAnewEvenForTheSameModeAndMoveTheMarks) {
  elapsed_seconds = 33;
  command(IDM_MODE_EASY);
  EXPECT_EQ(1, game_mode);
  EXPECT_EQ(0, elapsed_seconds);
  EXPECT_EQ("easy on", switch_marks());
  elapsed_seconds = 12;
  command(IDM_MODE_EASY);
  EXPECT_EQ(0, elapsed_seconds);
  EXPECT_EQ("easy on", switch_marks());
  command(IDM_MODE_NORMAL);
  EXPECT_EQ(0, game_mode);
  EXPECT_EQ("normal on", switch_marks());
}

TEST_F(GameTest, SoundOffSilencesTheNextPickAndKeepsTheGame) {
  elapsed_seconds = 21;
  command(IDM_SOUND_OFF);
  EXPECT_EQ(0, sound_on);
  EXPECT_EQ("normal off", switch_marks());
  EXPECT_EQ(21, elapsed_seconds);
  click(0);
  EXPECT_EQ(0, selected_slot);
  EXPECT_TRUE(cues_played.empty());
  command(IDM_SOUND_ON);
  click(0);
  EXPECT_EQ(Cues{"cancel"}, cues_played);
  EXPECT_EQ("normal on", switch_marks());
}

TEST_F(GameTest, BackSpaceOnAFreshDealDoesNothing) {
  key(VK_BACK);
  EXPECT_TRUE(cues_played.empty());
  expect_full_board_in_normal_look();
}

TEST_F(GameTest, AnyKeyHidesBothBannersAndDoesNothingElse) {
  int deal_before[TILE_COUNT];
  std::copy(deal_table, deal_table + TILE_COUNT, deal_before);
  ShowWindow(omigoto_window, SW_SHOW);
  ShowWindow(tezumari_window, SW_SHOW);
  key(VK_SPACE);
  EXPECT_FALSE(IsWindowVisible(omigoto_window));
  EXPECT_FALSE(IsWindowVisible(tezumari_window));
  EXPECT_TRUE(std::equal(deal_table, deal_table + TILE_COUNT, deal_before));
  EXPECT_TRUE(cues_played.empty());
}

TEST_F(GameTest, EscMinimisesAndTheTimeGoesOn) {
  key(VK_ESCAPE);
  EXPECT_TRUE(IsIconic(window));
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(1, timer_runs(TIMER_ELAPSED));
  SetTimer(window, TIMER_ELAPSED, 1000, nullptr);
}

TEST_F(GameTest, ViewingTheRankingPausesTheTimeOfARunningGameOnly) {
  elapsed_seconds = 70;
  int runs_while_open = -1;
  BoxCatcher catcher([&](HWND box) {
    runs_while_open = timer_runs(TIMER_ELAPSED);
    press_button(IDOK)(box);
  });
  command(IDM_RANKING);
  ASSERT_EQ(1u, catcher.caught().size());
  EXPECT_STREQ("ランキング", catcher.caught()[0].caption.c_str());
  EXPECT_EQ(0, runs_while_open);
  EXPECT_EQ(70, elapsed_seconds);
  EXPECT_EQ(1, timer_runs(TIMER_ELAPSED));

  game_over = 1;
  command(IDM_RANKING);
  EXPECT_EQ(0, timer_runs(TIMER_ELAPSED));
}

// Where the build sets no address for the home page, the item opens the page beside
// the program that says what the game is, so it never leads nowhere.
TEST_F(GameTest, HelpAndHomePageGoToTheShell) {
  shell_calls.clear();
  shell_opener = record_shell_call;
  key(VK_F1);
  command(IDM_HOMEPAGE);
  shell_opener = open_with_shell;
  ASSERT_EQ(2u, shell_calls.size());
  const std::wstring folder = own_folder();
  EXPECT_EQ(L"(default)", shell_calls[0].verb);
  EXPECT_EQ(folder + L"\\help\\kotopai.htm", shell_calls[0].file);
  EXPECT_EQ(folder, shell_calls[0].directory);
  EXPECT_EQ(L"open", shell_calls[1].verb);
  const std::wstring address = L"" KOTOPAI_HOMEPAGE;   // the build's setting
  EXPECT_EQ(address.empty() ? folder + L"\\help\\home.htm" : address, shell_calls[1].file);
  EXPECT_EQ(L"(none)", shell_calls[1].directory);
}

TEST_F(GameTest, AboutOpensItsDialogOverTheMainWindow) {
  HWND owner = nullptr;
  BoxCatcher catcher([&](HWND box) {
    owner = GetWindow(box, GW_OWNER);
    press_button(IDOK)(box);
  });
  command(IDM_ABOUT);
  EXPECT_EQ(1u, catcher.caught().size());
  EXPECT_EQ(window, owner);
}

TEST(QuitCommand, WritesTheSettingsAsClosingDoes) {
  write_settings_text("[Pos]\r\nX=140\r\nY=70\r\n");
  HWND window = open_main_window();
  SendMessageA(window, WM_COMMAND, IDM_MODE_EASY, 0);
  SendMessageA(window, WM_COMMAND, IDM_SOUND_OFF, 0);
  SendMessageA(window, WM_COMMAND, IDM_QUIT, 0);
  EXPECT_FALSE(IsWindow(window));
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  // What closing writes is the shell tests' concern; that it ran shows in the file.
  EXPECT_EQ("[Pos]\r\nX=140\r\nY=70\r\n[MODE]\r\nmode=1\r\n[SOUND]\r\nsound=0\r\n", read_settings_text());
  close_main_window(window);
  remove_settings();
}

}  // namespace
