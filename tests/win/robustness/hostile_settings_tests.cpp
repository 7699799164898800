// Damaged and hostile settings files: the program starts on the screen, plays, shows
// the ranking and closes, and what it writes back reads as it was written.
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>
#include "board.h"
#include "board_checks.h"
#include "box_catcher.h"
#include "main_window_harness.h"
#include "play_helpers.h"
#include "resource.h"
#include "settings.h"
#include "settings_notice.h"
#include "shell_state.h"

namespace {

struct HostileFile {
  const char* name;
  std::string bytes;
  bool play_to_the_end;   // also clear a game, so the ranking takes an entry from this file
};

std::string garbage(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& b : bytes) b = static_cast<char>(random());
  return bytes;
}

// Ten megabytes: thousands of sections of junk, one line of two megabytes, and
// the program's own keys at the very end.
std::string ten_megabytes() {
  std::string bytes;
  bytes.reserve(10u << 20);
  for (int section = 0; bytes.size() < (4u << 20); ++section) {
    bytes += "[Junk" + std::to_string(section) + "]\r\n";
    for (int key = 0; key < 40; ++key) bytes += "key" + std::to_string(key) + "=" + std::string(60, 'v') + "\r\n";
  }
  bytes += "[Long]\r\nline=" + std::string(2u << 20, 'x') + "\r\n";
  bytes += garbage(4u << 20, 7);
  bytes += "\r\n[Pos]\r\nX=100\r\nY=100\r\n[MODE]\r\nmode=0\r\n[SOUND]\r\nsound=0\r\n";
  return bytes;
}

std::string ranking_with_seconds(const std::vector<const char*>& seconds) {
  std::string bytes = "[Pos]\r\nX=80\r\nY=80\r\n";
  for (size_t n = 0; n < seconds.size(); ++n) {
    char section[32];
    snprintf(section, sizeof section, "[Ranking%02d]\r\n", static_cast<int>(n + 1));
    bytes += std::string(section) + "SECOND=" + seconds[n] + "\r\nYEAR=" + seconds[n] + "\r\nMONTH=-7\r\nDAY=99999\r\n";
  }
  return bytes;
}

std::string ranking_with_names(const std::vector<std::string>& names) {
  std::string bytes = "[PLAYER]\r\nNAME=" + std::string(300, 'P') + "\x82\r\n";
  for (size_t n = 0; n < names.size(); ++n) {
    char section[32];
    snprintf(section, sizeof section, "[Ranking%02d]\r\n", static_cast<int>(n + 1));
    bytes += std::string(section) + "NAME=" + names[n] + "\r\n";
  }
  return bytes;
}

template <size_t N>
std::string bytes_of(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::vector<HostileFile> hostile_files() {
  std::string japanese_31 = std::string(30, 'A') + "\x82\xa0";   // a character across the cut
  return {
    {"Empty", "", false},
    {"BinaryGarbage", garbage(64 << 10, 1), false},
    {"GarbageWithNulsAndSectionsOfIt", bytes_of("[Pos]\0X=1\0\xff\xfe[MODE]\r\nmode=\x01\x02") + garbage(4096, 2), false},
    {"TenMegabytes", ten_megabytes(), false},
    {"LinesWithoutSections", "X=200\r\nY=200\r\nmode=1\r\nsound=0\r\nNAME=Evil\r\nSECOND=1\r\n=\r\n[\r\n]\r\n[]\r\nX=300\r\n", false},
    {"HugePositionAndSwitches", "[Pos]\r\nX=2147483647\r\nY=2147483647\r\n[MODE]\r\nmode=2147483647\r\n[SOUND]\r\nsound=2147483647\r\n", false},
    {"MostNegativePositionAndSwitches", "[Pos]\r\nX=-2147483648\r\nY=-2147483648\r\n[MODE]\r\nmode=-2147483648\r\n[SOUND]\r\nsound=-1\r\n", false},
    {"NumbersBeyondThirtyTwoBits", "[Pos]\r\nX=99999999999999999999\r\nY=-99999999999999999999\r\n[MODE]\r\nmode=18446744073709551617\r\n[SOUND]\r\nsound=-4294967296\r\n", false},
    {"PositionJustOffTheScreen", "[Pos]\r\nX=-779\r\nY=-579\r\n", false},
    {"PositionFarLeft", "[Pos]\r\nX=-5000\r\nY=100\r\n", false},
    {"PositionFarAbove", "[Pos]\r\nX=100\r\nY=-5000\r\n", false},
    {"SwitchesNotNumbers", "[Pos]\r\nX=abc\r\nY= \r\n[MODE]\r\nmode=easy\r\n[SOUND]\r\nsound=+\r\n", false},
    {"SecondsNegative", ranking_with_seconds({"-1", "-2147483648", "-5", "-1", "0", "-100", "-2", "-3", "-4", "-1"}), true},
    {"SecondsHuge", ranking_with_seconds({"2147483647", "99999999999", "4294967295", "2147483647", "2147483647", "9", "2147483647", "2147483647", "2147483647", "2147483647"}), true},
    {"SecondsNotNumbers", ranking_with_seconds({"abc", "", "--5", "+", "1e9", "0x10", " 7", "\x82\xa0", "=", "12abc"}), true},
    {"OddNames", ranking_with_names({std::string("Lone lead\x82"), "\x01\x02\x07\x1b\x7f", std::string(300, 'N'), japanese_31,
                                     "\t spaced \t", "with=equals;semi[brackets]", std::string(100, '\x82'), "", "\xff\xfe\xfd", "%s%n%d"}), true},
  };
}

struct HostileSettingsTest : testing::TestWithParam<HostileFile> {
  void TearDown() override { remove_settings(); }
};

bool partly_on_a_monitor(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

// Whole characters only: a box never ends in the first byte of a double-byte character.
bool whole_characters(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i)
    if (IsDBCSLeadByteEx(932, static_cast<BYTE>(text[i])) && ++i >= text.size()) return false;
  return true;
}

void check_ranking_boxes(HWND dialog) {
  for (int row = 0; row < 10; ++row) {
    std::string name = window_text(GetDlgItem(dialog, IDC_RANK_NAME_FIRST + row));
    EXPECT_LE(name.size(), 31u) << row;
    EXPECT_TRUE(whole_characters(name)) << row;
    EXPECT_FALSE(window_text(GetDlgItem(dialog, IDC_RANK_TIME_FIRST + row)).empty()) << row;
  }
}

TEST_P(HostileSettingsTest, StartsOnScreenPlaysShowsTheRankingAndWritesReadableKeys) {
  write_settings_bytes(GetParam().bytes);
  BoxCatcher catcher;
  HWND window = open_main_window();
  keep_on_top(window);
  EXPECT_TRUE(catcher.caught().empty()) << "a box at start-up: " << catcher.caught()[0].text;
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(partly_on_a_monitor(window));
  EXPECT_EQ("", board_fault());

  make_partner(0, 1);
  take_pair(window, 0, 1);
  EXPECT_EQ(TILE_REMOVED, slot_cell(0).state);
  EXPECT_EQ(TILE_REMOVED, slot_cell(1).state);
  EXPECT_EQ("", board_fault());

  catcher.then([](HWND dialog) {
    check_ranking_boxes(dialog);
    press_button(IDOK)(dialog);
  });
  SendMessageA(window, WM_COMMAND, IDM_RANKING, 0);
  ASSERT_EQ(1u, catcher.caught().size());
  EXPECT_STREQ("ランキング", catcher.caught()[0].caption.c_str());

  if (GetParam().play_to_the_end) {
    catcher.then([](HWND dialog) {
      check_ranking_boxes(dialog);
      press_button(IDOK)(dialog);
    });
    EXPECT_EQ(PAIR_COUNT, play_easy_game(window, 1));
    EXPECT_EQ("", board_fault());
    EXPECT_EQ(1, game_over);
    ASSERT_EQ(2u, catcher.caught().size()) << "the cleared game's time was not offered to the ranking";
  }

  WINDOWPLACEMENT placement = {sizeof placement};
  GetWindowPlacement(window, &placement);
  int mode = game_mode, sound = sound_on;
  close_main_window(window);
  EXPECT_EQ(placement.rcNormalPosition.left, ini_get_int("Pos", "X", -12345, SETTINGS_FILE_NAME));
  EXPECT_EQ(placement.rcNormalPosition.top, ini_get_int("Pos", "Y", -12345, SETTINGS_FILE_NAME));
  EXPECT_EQ(mode, ini_get_int("MODE", "mode", -12345, SETTINGS_FILE_NAME));
  EXPECT_EQ(sound, ini_get_int("SOUND", "sound", -12345, SETTINGS_FILE_NAME));
  if (std::string(GetParam().name) == "TenMegabytes") {   // the keys of others outlive the program's writes
    char kept[80];
    ini_get_string("Junk1000", "key39", "", kept, sizeof kept, SETTINGS_FILE_NAME);
    EXPECT_EQ(std::string(60, 'v'), kept);
  }
  for (int row = 0; GetParam().play_to_the_end && row < 10; ++row) {
    char section[16], name[64];
    snprintf(section, sizeof section, "Ranking%02d", row + 1);
    ini_get_string(section, "NAME", "", name, sizeof name, SETTINGS_FILE_NAME);
    EXPECT_TRUE(whole_characters(name)) << section;
    EXPECT_NE(-12345, ini_get_int(section, "SECOND", -12345, SETTINGS_FILE_NAME)) << section;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileSettingsTest, testing::ValuesIn(hostile_files()),
                         [](const testing::TestParamInfo<HostileFile>& info) { return std::string(info.param.name); });

// A settings file that cannot be written: the program says so once, as it starts,
// naming the file; then it plays and closes, and the file keeps every byte. A file
// that a scanner holds for a moment as the game starts is no such file: not a word,
// and the file keeps what the game writes at its close. A file held only later loses
// the saves made while it is held: the player is told once, when the first is lost
// (after the ranking closes, or at the close), and never a second time.
TEST(ReadOnlySettingsTest, SaysSoOnceThenPlaysAndClosesLeavingTheFileAsItWas) {
  const std::string bytes = "[Pos]\r\nX=90\r\nY=90\r\n[MODE]\r\nmode=0\r\n[SOUND]\r\nsound=1\r\n[Ranking01]\r\nNAME=Keep\r\nSECOND=3\r\n";
  enum Held { THROUGHOUT, FIRST_CHECKS, AFTER_THE_START, AT_THE_CLOSE };
  const char* const names[] = {"held throughout", "held for the first three checks", "held after the start",
                               "held at the close"};
  for (const Held held : {THROUGHOUT, FIRST_CHECKS, AFTER_THE_START, AT_THE_CLOSE}) {
    SCOPED_TRACE(names[held]);
    write_settings_bytes(bytes);
    if (held == THROUGHOUT) ASSERT_TRUE(SetFileAttributesA(settings_path().c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine lets a root user write over the attribute; a reader that shares the file
    // for reading only keeps every writer out there too, as on Windows.
    HANDLE reader = nullptr;
    auto hold = [&] {
      reader = CreateFileA(settings_path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    };
    if (held == THROUGHOUT || held == FIRST_CHECKS) hold();
    {
      BoxCatcher catcher;
      HWND owner = nullptr;
      bool over_the_shown_window = false;
      catcher.set_default([&](HWND box) {
        if (window_text(box) == "設定ファイル") {
          owner = GetWindow(box, GW_OWNER);
          over_the_shown_window = IsWindowVisible(owner) != FALSE;
        }
        press_button(IDOK)(box);
      });
      HWND window = open_main_window();
      // The later checks come at the window's timer; the scanner lets go after the
      // third, some 200 ms into the start.
      for (int turn = 0; turn < 1000 && settings_checks_left > 0; ++turn) {
        if (held == FIRST_CHECKS && reader && settings_checks_left <= SETTINGS_CHECKS - 3) {
          CloseHandle(reader);
          reader = nullptr;
        }
        pump_messages();
        Sleep(5);
      }
      ASSERT_EQ(0, settings_checks_left);
      ASSERT_EQ(held == THROUGHOUT ? 1u : 0u, catcher.caught().size());
      if (held == AFTER_THE_START) hold();
      make_partner(0, 1);
      take_pair(window, 0, 1);
      EXPECT_EQ(TILE_REMOVED, slot_cell(0).state);
      SendMessageA(window, WM_COMMAND, IDM_SOUND_OFF, 0);
      MoveWindow(window, 150, 140, MAIN_WIDTH, MAIN_HEIGHT, TRUE);
      EXPECT_EQ(PAIR_COUNT, play_easy_game(window, 1));   // an entry a held file cannot take
      for (int turn = 0; turn < 200 && held == AFTER_THE_START && catcher.caught().size() < 2; ++turn) {
        pump_messages();
        Sleep(5);
      }
      if (held == AT_THE_CLOSE) hold();
      close_main_window(window);
      std::vector<std::string> captions;
      for (const CaughtBox& box : catcher.caught()) captions.push_back(box.caption);
      const std::vector<std::string> expected[] = {{"設定ファイル", "ランキング"}, {"ランキング"},
                                                   {"ランキング", "設定ファイル"}, {"ランキング", "設定ファイル"}};
      ASSERT_EQ(expected[held], captions);
      if (held != FIRST_CHECKS) {
        EXPECT_EQ(held == AT_THE_CLOSE ? nullptr : window, owner);
        EXPECT_EQ(held != AT_THE_CLOSE, over_the_shown_window);
        const CaughtBox& notice = held == THROUGHOUT ? catcher.caught()[0] : catcher.caught()[1];
        EXPECT_EQ("設定ファイルに書き込めません。\n" + settings_path() +
                      "\n\nこのままでは設定とランキングが保存されません。\n"
                      "ゲームのフォルダを、書き込みのできる場所へ移してください。",
                  notice.text);
      }
    }
    if (reader) CloseHandle(reader);
    SetFileAttributesA(settings_path().c_str(), FILE_ATTRIBUTE_NORMAL);
    if (held == FIRST_CHECKS) {
      EXPECT_EQ(150, ini_get_int("Pos", "X", -1, SETTINGS_FILE_NAME));
      EXPECT_EQ(0, ini_get_int("SOUND", "sound", -1, SETTINGS_FILE_NAME));
    } else if (held == AT_THE_CLOSE) {
      EXPECT_EQ(90, ini_get_int("Pos", "X", -1, SETTINGS_FILE_NAME));
      EXPECT_EQ(1, ini_get_int("Ranking01", "SECOND", -1, SETTINGS_FILE_NAME));   // kept before the hold
    } else {
      EXPECT_EQ(bytes, settings_bytes());
    }
    remove_settings();
  }
}

}  // namespace
