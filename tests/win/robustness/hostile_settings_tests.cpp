// Damaged and hostile files beside the program, settings or a cue: the program starts
// on the screen, plays, shows the ranking and closes, and what it writes back reads
// as it was written.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>
#include "board.h"
#include "board_checks.h"
#include "box_catcher.h"
#include "main_window_harness.h"
#include "play_helpers.h"
#include "resource.h"
#include "settings.h"
#include "settings_lock.h"
#include "settings_notice.h"
#include "shell_calls.h"
#include "shell_state.h"
#include "sound.h"

namespace {

struct HostileFile {
  const char* name;
  std::string bytes;
  bool play_to_the_end;   // also clear a game, so the ranking takes an entry from this file
  std::optional<std::string> check_wav;   // the bytes of check.wav beside the program, heard at every pick
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

std::string little_endian(uint32_t value, int bytes) {
  std::string text;
  for (int k = 0; k < bytes; ++k) text += static_cast<char>(value >> (8 * k));
  return text;
}

// A cue as the game's own (16-bit mono PCM at 44.1 kHz, then samples of silence),
// with the sizes of the whole, the format and the samples written as given.
std::string cue(uint32_t riff_size, uint32_t format_size, uint32_t data_size, size_t samples) {
  const std::string format = little_endian(1, 2) + little_endian(1, 2) + little_endian(44100, 4) +
                             little_endian(88200, 4) + little_endian(2, 2) + little_endian(16, 2);
  return "RIFF" + little_endian(riff_size, 4) + "WAVE" + "fmt " + little_endian(format_size, 4) + format +
         "data" + little_endian(data_size, 4) + std::string(samples, '\0');
}

// Beside settings the game keeps, each a check.wav that PlaySound would read past its
// end, or that is no sound at all.
std::vector<HostileFile> damaged_cues() {
  const std::string settings = "[Pos]\r\nX=80\r\nY=80\r\n";
  return {
    {"CueFormatClaims64MB", settings, false, cue(236, 64u << 20, 200, 200)},
    {"CueFormatNear4GB", settings, false, cue(236, 0xFFFFFFFF, 200, 200)},
    {"CueSamplesPastTheEnd", settings, false, cue(236, 16, 1u << 20, 200)},
    {"CueSamplesNear4GB", settings, false, cue(236, 16, 0xFFFFFFF8, 200)},
    {"CueRiffSizeZero", settings, false, cue(0, 16, 200, 200)},
    {"CueCutShort", settings, false, cue(2036, 16, 2000, 2000).substr(0, 1000)},
    {"CueNotASound", settings, false, settings},
    {"CueEmpty", settings, false, ""},
  };
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

std::wstring check_wav_beside_program() { return own_folder() + L"\\check.wav"; }

void write_file(const std::wstring& path, const std::string& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return;
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
}

struct HostileSettingsTest : testing::TestWithParam<HostileFile> {
  void TearDown() override {
    remove_settings();
    cues_forget();
    DeleteFileW(check_wav_beside_program().c_str());
  }
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
  if (GetParam().check_wav) write_file(check_wav_beside_program(), *GetParam().check_wav);
  BoxCatcher catcher;
  HWND window = open_main_window();
  keep_on_top(window);
  EXPECT_TRUE(catcher.caught().empty()) << "a box at start-up: " << catcher.caught()[0].text;
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(partly_on_a_monitor(window));
  EXPECT_EQ("", board_fault());

  make_partner(0, 1);
  take_pair(window, 0, 1);
  PlaySoundW(nullptr, nullptr, 0);   // returns once the picks' cue has been read through
  if (GetParam().check_wav) EXPECT_EQ(nullptr, cue_sound("check")) << "a damaged cue is kept";
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

const auto row_name = [](const testing::TestParamInfo<HostileFile>& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Files, HostileSettingsTest, testing::ValuesIn(hostile_files()), row_name);
INSTANTIATE_TEST_SUITE_P(Cues, HostileSettingsTest, testing::ValuesIn(damaged_cues()), row_name);

std::string beside_settings(const char* name) {
  const std::string path = settings_path();
  return path.substr(0, path.rfind('\\') + 1) + name;
}

// A settings file that cannot be written: the program says so once, as it starts,
// naming the file; then it plays and closes, and the file keeps every byte. A file
// that a scanner holds for a moment as the game starts is no such file: not a word,
// and the file keeps what the game writes at its close. A box the player opens in
// that moment puts the word off, and never loses it. A file held only later loses the
// saves made while it is held: the player is told once, when the first is lost (after
// the ranking closes, or at the close), and never a second time. The window's own
// timer is stopped before it could fire and the test makes each check itself, so no
// load on the machine decides a case.
TEST(ReadOnlySettingsTest, SaysSoOnceThenPlaysAndClosesLeavingTheFileAsItWas) {
  const std::string bytes = "[Pos]\r\nX=90\r\nY=90\r\n[MODE]\r\nmode=0\r\n[SOUND]\r\nsound=1\r\n[Ranking01]\r\nNAME=Keep\r\nSECOND=3\r\n";
  constexpr int THROUGHOUT = 100;
  enum Later { NOT_LATER, AFTER_THE_START, AT_THE_CLOSE };
  enum Kept { NOTHING, THE_CLOSE, UNTIL_THE_CLOSE };
  struct Words { const char* head; const char* tail; const char* file = "kotopai.ini"; };
  const Words read_only_words = {"設定ファイルは読み取り専用になっています。",
                                 "このままでは設定とランキングが保存されません。\n"
                                 "ファイルのプロパティで、読み取り専用のチェックを外してください。"};
  const Words held_words = {"設定ファイルを、ほかのプログラムが使っています。",
                            "その間の設定とランキングは保存されません。\nそのプログラムを閉じてください。"};
  const Words turn_held_words = {"設定ファイルの保存に使うファイルを、ほかのプログラムが使ったままになっています。",
                                 "その間の設定とランキングは保存されません。\nそのプログラムを閉じてください。\n"
                                 "動かなくなったこのゲームが、ほかに開いていないかも確かめてください。", "kotopai.lck"};
  struct Case {
    const char* what;
    bool read_only;    // marked so throughout, which Wine lets a root user write over
    int held_checks;   // the checks that find the file held, the one at creation first
    Later later;       // held from then on
    int command;       // a box opened at once, with the timer's ticks coming under it
    std::vector<std::string> boxes;
    Kept kept;
    Words words;       // the notice's
    bool turn = false; // the saves' turn is what is held, not the file
  };
  const Case cases[] = {
      {"read-only and held throughout", true, THROUGHOUT, NOT_LATER, 0, {"設定ファイル", "ランキング"}, NOTHING, read_only_words},
      {"read-only", true, 0, NOT_LATER, 0, {"設定ファイル", "ランキング"}, NOTHING, read_only_words},
      {"held for the first five checks", false, 5, NOT_LATER, 0, {"ランキング"}, THE_CLOSE, {}},
      {"read-only and held throughout, About opened at once", true, THROUGHOUT, NOT_LATER, IDM_ABOUT,
       {"バージョン情報", "設定ファイル", "ランキング"}, NOTHING, read_only_words},
      {"held after the start", false, 0, AFTER_THE_START, 0, {"ランキング", "設定ファイル"}, NOTHING, held_words},
      {"held at the close", false, 0, AT_THE_CLOSE, 0, {"ランキング", "設定ファイル"}, UNTIL_THE_CLOSE, held_words},
      {"the saves' turn held throughout", false, THROUGHOUT, NOT_LATER, 0, {"設定ファイル", "ランキング"}, NOTHING, turn_held_words, true},
  };
  const DWORD system_quiet = std::exchange(settings_lock_quiet_ms, 300);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    write_settings_bytes(bytes);
    if (c.read_only) ASSERT_TRUE(SetFileAttributesA(settings_path().c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine lets a root user write over the attribute; a reader that shares the file
    // for reading only keeps every writer out there too, as on Windows. Whatever ends
    // the test lets go of both and closes the window, or the tests after it would meet
    // a held file.
    struct Afterwards {
      HANDLE reader = INVALID_HANDLE_VALUE;
      HWND window = nullptr;
      bool turn = false;
      void hold() {
        reader = turn ? CreateFileA(beside_settings("kotopai.lck").c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr)
                      : CreateFileA(settings_path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
      }
      void let_go() { CloseHandle(std::exchange(reader, INVALID_HANDLE_VALUE)); }
      ~Afterwards() {
        if (window) close_main_window(window);
        if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
        SetFileAttributesA(settings_path().c_str(), FILE_ATTRIBUTE_NORMAL);
        remove_settings();
      }
    } afterwards;
    afterwards.turn = c.turn;
    if (c.held_checks > 0) {
      afterwards.hold();
      ASSERT_NE(INVALID_HANDLE_VALUE, afterwards.reader);
    }
    const auto check_now = [&] { SendMessageA(afterwards.window, WM_TIMER, TIMER_SETTINGS_CHECK, 0); };

    BoxCatcher catcher;
    HWND owner = nullptr;
    bool over_the_shown_window = false;
    std::string notice;
    catcher.set_default([&](HWND box) {
      if (window_text(box) == "設定ファイル") {
        owner = GetWindow(box, GW_OWNER);
        over_the_shown_window = owner && IsWindowVisible(owner);
      } else if (c.command && window_text(box) != "ランキング") {   // open for a second
        for (int tick = 0; tick < 10; ++tick) check_now();
      }
      press_button(IDOK)(box);
    });
    bool checks_to_come = false;
    afterwards.window = open_main_window([&](HWND window) { checks_to_come = KillTimer(window, TIMER_SETTINGS_CHECK); });
    ASSERT_EQ(c.held_checks > 0 || c.read_only, checks_to_come);
    if (c.command) SendMessageA(afterwards.window, WM_COMMAND, c.command, 0);
    int checks = 1;
    for (; settings_checks_left > 0 && checks < 20; ++checks) {
      if (checks == c.held_checks) afterwards.let_go();
      check_now();
    }
    if (c.held_checks > 0 || c.read_only) EXPECT_EQ(6, checks);   // the one at creation and five more: half a second of the timer
    if (c.later == AFTER_THE_START) afterwards.hold();
    make_partner(0, 1);
    take_pair(afterwards.window, 0, 1);
    EXPECT_EQ(TILE_REMOVED, slot_cell(0).state);
    SendMessageA(afterwards.window, WM_COMMAND, IDM_SOUND_OFF, 0);
    MoveWindow(afterwards.window, 150, 140, MAIN_WIDTH, MAIN_HEIGHT, TRUE);
    EXPECT_EQ(PAIR_COUNT, play_easy_game(afterwards.window, 1));   // an entry a held file cannot take
    check_now();   // a save lost in the ranking is told at the next tick with no box open
    if (c.later == AT_THE_CLOSE) afterwards.hold();
    close_main_window(std::exchange(afterwards.window, nullptr));
    std::vector<std::string> captions;
    for (const CaughtBox& box : catcher.caught()) captions.push_back(box.caption);
    ASSERT_EQ(c.boxes, captions);   // the notice once, never a second word
    for (const CaughtBox& box : catcher.caught()) {
      if (box.caption != "設定ファイル") continue;
      EXPECT_EQ(c.later == AT_THE_CLOSE, owner == nullptr);   // the window is on its way out
      EXPECT_EQ(c.later != AT_THE_CLOSE, over_the_shown_window);
      EXPECT_EQ(c.words.head + ("\n" + beside_settings(c.words.file) + "\n\n") + c.words.tail, box.text);
    }
    if (afterwards.reader != INVALID_HANDLE_VALUE) afterwards.let_go();
    SetFileAttributesA(settings_path().c_str(), FILE_ATTRIBUTE_NORMAL);
    if (c.kept == NOTHING) {
      EXPECT_EQ(bytes, settings_bytes());
    } else if (c.kept == THE_CLOSE) {
      EXPECT_EQ(150, ini_get_int("Pos", "X", -1, SETTINGS_FILE_NAME));
      EXPECT_EQ(0, ini_get_int("SOUND", "sound", -1, SETTINGS_FILE_NAME));
    } else {
      EXPECT_EQ(90, ini_get_int("Pos", "X", -1, SETTINGS_FILE_NAME));
      EXPECT_EQ(1, ini_get_int("Ranking01", "SECOND", -1, SETTINGS_FILE_NAME));   // kept before the hold
    }
  }
  settings_lock_quiet_ms = system_quiet;
}

}  // namespace
