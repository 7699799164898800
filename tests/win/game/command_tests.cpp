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
// the program that says what the game is, so it never leads nowhere. Where the shell
// reports failure, a box over the main window names the page's path (or the address),
// so the player can open it by hand.
TEST_F(GameTest, HelpAndHomePageGoToTheShellOrABoxSaysWhereTheyAre) {
  const std::wstring folder = own_folder();
  const std::wstring address = L"" KOTOPAI_HOMEPAGE;   // the build's setting
  const std::wstring help = folder + L"\\help\\kotopai.htm";
  const std::wstring home = address.empty() ? folder + L"\\help\\home.htm" : address;
  for (const int answer : {1, 0}) {
    SCOPED_TRACE(answer ? "the shell opens" : "the shell reports failure");
    std::vector<HWND> owners;
    BoxCatcher catcher([&](HWND box) {
      owners.push_back(GetWindow(box, GW_OWNER));
      press_button(IDOK)(box);
    });
    shell_calls.clear();
    shell_opener = record_shell_call;
    shell_answer = answer;
    key(VK_F1);
    command(IDM_HOMEPAGE);
    shell_opener = open_with_shell;
    shell_answer = 1;
    ASSERT_EQ(2u, shell_calls.size());
    EXPECT_EQ(L"(default)", shell_calls[0].verb);
    EXPECT_EQ(help, shell_calls[0].file);
    EXPECT_EQ(folder, shell_calls[0].directory);
    EXPECT_EQ(L"open", shell_calls[1].verb);
    EXPECT_EQ(home, shell_calls[1].file);
    EXPECT_EQ(L"(none)", shell_calls[1].directory);
    if (answer) {
      EXPECT_TRUE(catcher.caught().empty());
      continue;
    }
    ASSERT_EQ(2u, catcher.caught().size());
    EXPECT_EQ(std::vector<HWND>(2, window), owners);
    EXPECT_EQ("説明ファイル", catcher.caught()[0].caption);
    EXPECT_EQ("説明ファイルを開けませんでした。\n" + code_page_text(help) +
                  "\n\nブラウザなどで、このファイルを直接開いてください。",
              catcher.caught()[0].text);
    EXPECT_EQ("作者のホームページ", catcher.caught()[1].caption);
    EXPECT_EQ("作者のホームページを開けませんでした。\n" + code_page_text(home) + "\n\n" +
                  (address.empty() ? "ブラウザなどで、このファイルを直接開いてください。"
                                   : "ブラウザで、このアドレスを直接開いてください。"),
              catcher.caught()[1].text);
  }
  // The shell's own answer, not only the test's stand-in: a page it cannot open is told.
  BoxCatcher catcher;
  open_page(window, PAGE_HELP, (folder + L"\\help\\no such page.htm").c_str(), nullptr);
  EXPECT_EQ(1u, catcher.caught().size());
}

// A page's file, and the folders on its way below the test program's own, made for
// a test and removed after it; the Windows calls get the prefix that lifts MAX_PATH.
struct PageFile {
  std::wstring path;
  std::vector<std::wstring> made;
  explicit PageFile(const std::wstring& names) : path(own_folder() + names) {
    for (size_t at = own_folder().size() + 1; (at = path.find(L'\\', at)) != std::wstring::npos; ++at) {
      made.push_back(path.substr(0, at));
      CreateDirectoryW((L"\\\\?\\" + made.back()).c_str(), nullptr);
    }
    made.push_back(path);
    CloseHandle(CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  ~PageFile() {
    DeleteFileW((L"\\\\?\\" + path).c_str());
    for (size_t n = made.size() - 1; n-- > 0;) RemoveDirectoryW((L"\\\\?\\" + made[n]).c_str());
  }
};

// Names below the test program's folder that give a page's path of length characters.
// Past MAX_PATH, its short form is shorter than MAX_PATH.
std::wstring long_names(size_t length) {
  const std::wstring file = L"\\page.htm";
  return L"\\pages\\" + std::wstring(length - own_folder().size() - 7 - file.size(), L'x') + file;
}
// Names that are short names already, as many as make even the short form of the
// page's path MAX_PATH characters or more: the shell can take no form of it, as on a
// volume that keeps no short names.
std::wstring short_names_only() {
  std::wstring above(32768, L'\0');
  const size_t above_length = GetShortPathNameW(own_folder().c_str(), &above[0], 32768);
  std::wstring names = L"\\PAGES";
  while (above_length + names.size() + 9 < MAX_PATH) names += L"\\ABCDEFGH";
  return names + L"\\PAGE.HTM";
}

// The shell finds no file at a path of MAX_PATH characters or more: such a path goes
// over in its short form, from exactly 260 characters on; where there is none, the
// shell is not asked and a box names the path.
TEST_F(GameTest, APagePastTheShellsLimitGoesInItsShortFormOrABoxNamesIt) {
  enum Handed { WHOLE, SHORT_FORM, NOTHING };
  const struct {
    const char* what;
    std::wstring names;
    Handed handed;
  } rows[] = {
      {"259 characters", long_names(MAX_PATH - 1), WHOLE},
      {"260 characters", long_names(MAX_PATH), SHORT_FORM},
      {"no short form", short_names_only(), NOTHING},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const PageFile page(row.names);
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((L"\\\\?\\" + page.path).c_str()));
    BoxCatcher catcher;
    shell_calls.clear();
    shell_opener = record_shell_call;
    open_page(window, PAGE_HELP, page.path.c_str(), nullptr);
    shell_opener = open_with_shell;
    if (row.handed == NOTHING) {
      EXPECT_GE(page.path.size(), size_t{MAX_PATH});
      EXPECT_TRUE(shell_calls.empty());
      ASSERT_EQ(1u, catcher.caught().size());
      EXPECT_NE(std::string::npos, catcher.caught()[0].text.find("\n" + code_page_text(page.path) + "\n"));
      continue;
    }
    EXPECT_TRUE(catcher.caught().empty());
    ASSERT_EQ(1u, shell_calls.size());
    const std::wstring& file = shell_calls[0].file;
    if (row.handed == WHOLE) {
      EXPECT_EQ(page.path, file);
      continue;
    }
    EXPECT_LT(file.size(), size_t{MAX_PATH});
    std::wstring found(32768, L'\0');
    GetLongPathNameW(file.c_str(), &found[0], 32768);
    EXPECT_EQ(0, _wcsicmp(page.path.c_str(), found.c_str())) << file;
  }
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
