// The ranking dialog as a player meets it: view mode, entry mode, the name typed and stored.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "box_catcher.h"
#include "dialog_checks.h"
#include "ranking.h"
#include "resource.h"
#include "settings.h"
#include "main_window_harness.h"
#include "ranking_expect.h"

namespace {

// The date a new entry takes, read here as the program reads it.
RankingDate today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

std::string date_text(RankingDate date) {
  char text[16];
  snprintf(text, sizeof text, "%04d,%02d,%02d", date.year, date.month, date.day);
  return text;
}

std::string setting(const char* section, const char* key) {
  char text[64];
  ini_get_string(section, key, "<absent>", text, sizeof text, SETTINGS_FILE_NAME);
  return text;
}

std::string box_text(HWND dialog, int id) { return window_text(GetDlgItem(dialog, id)); }

HWND name_box(HWND dialog, int row) { return GetDlgItem(dialog, IDC_RANK_NAME_FIRST + row); }

// Types as a player does into the focused box: each character a WM_CHAR (two for a double-byte one).
// As a player's input method hands text to the box: whole characters, in UTF-16.
// Bytes sent one by one would be joined in the keyboard's code page, not the program's.
void type_into(HWND box, const std::string& text) {
  SetFocus(box);
  wchar_t wide[256];
  int length = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide, 256);
  for (int i = 0; i < length; ++i) SendMessageW(box, WM_CHAR, wide[i], 1);
}

void type_into(HWND box, const std::wstring& text) {
  SetFocus(box);
  for (wchar_t c : text) SendMessageW(box, WM_CHAR, c, 1);
}

std::vector<int> editable_rows(HWND dialog) {
  std::vector<int> rows;
  for (int row = 0; row < RANKING_SIZE; ++row) {
    if (!is_read_only(name_box(dialog, row))) rows.push_back(row);
    EXPECT_TRUE(is_read_only(GetDlgItem(dialog, IDC_RANK_DATE_FIRST + row)));
    EXPECT_TRUE(is_read_only(GetDlgItem(dialog, IDC_RANK_TIME_FIRST + row)));
  }
  return rows;
}

// The locale table runs this program where Windows gives it another code page than
// the manifest asks for: each run is in the code page its name says.
TEST(CodePage, IsTheOneTheRunWasStartedIn) {
  const char* expected = getenv("KOTOPAI_CODE_PAGE");
  EXPECT_EQ(expected ? atoi(expected) : 932, static_cast<int>(GetACP()));
}

class RankingDialog : public testing::Test {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override { remove_settings(); }
  // Opens the dialog, runs the check inside it, then presses Enter, which must close it.
  static void open(int seconds, std::function<void(HWND)> inside) {
    bool closed_by_enter = false;
    BoxCatcher catcher([&](HWND dialog) {
      inside(dialog);
      press_dialog_key(dialog, VK_RETURN);
      closed_by_enter = !is_open(dialog);  // ended: hidden now, destroyed later
    });
    EXPECT_EQ(1, run_dialog(IDD_RANKING, ranking_dialog_proc, seconds));
    EXPECT_TRUE(closed_by_enter);
    ASSERT_EQ(1u, catcher.caught().size());
  }
};

TEST_F(RankingDialog, LooksAsTheResourceSays) {
  open(0, [](HWND dialog) {
    expect_dialog_frame(dialog, 175, 194, "ランキング", "ＭＳ Ｐゴシック", 12);
    expect_control_at(dialog, IDOK, 74, 173, 26, 14);
    EXPECT_EQ("ＯＫ", box_text(dialog, IDOK));
    EXPECT_FALSE(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    const char* headers[] = {"RANK", "NAME", "DATE", "TIME"};
    const int header_x[] = {4, 22, 76, 124};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(headers[i], window_text(child_at(dialog, header_x[i], 14)));
    std::vector<int> expected_tabs = {IDOK};
    for (int row = 0; row < RANKING_SIZE; ++row) {
      const int y = 28 + 14 * row;
      EXPECT_EQ(std::to_string(row + 1), window_text(child_at(dialog, 4, y)));
      expect_control_at(dialog, IDC_RANK_NAME_FIRST + row, 22, y, 54, 14);
      expect_control_at(dialog, IDC_RANK_DATE_FIRST + row, 76, y, 48, 14);
      expect_control_at(dialog, IDC_RANK_TIME_FIRST + row, 124, y, 44, 14);
      const LONG name_style = GetWindowLongA(name_box(dialog, row), GWL_STYLE);
      EXPECT_TRUE(name_style & ES_AUTOHSCROLL);
      EXPECT_TRUE(name_style & ES_NOHIDESEL);
      EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, IDC_RANK_TIME_FIRST + row), GWL_STYLE) & ES_CENTER);
    }
    for (int first : {IDC_RANK_NAME_FIRST, IDC_RANK_DATE_FIRST, IDC_RANK_TIME_FIRST})
      for (int row = 0; row < RANKING_SIZE; ++row) expected_tabs.push_back(first + row);
    EXPECT_EQ(expected_tabs, tab_order(dialog));
    EXPECT_EQ(GetDlgItem(dialog, IDOK), GetFocus());
  });
}

TEST_F(RankingDialog, ViewModeShowsTheTableEditsNothingAndWritesNothing) {
  open(0, [](HWND dialog) {
    EXPECT_TRUE(editable_rows(dialog).empty());
    EXPECT_EQ("Alice", box_text(dialog, IDC_RANK_NAME_FIRST));
    EXPECT_EQ("2002,01,01", box_text(dialog, IDC_RANK_DATE_FIRST));
    EXPECT_EQ("00:03:00", box_text(dialog, IDC_RANK_TIME_FIRST));
    EXPECT_EQ("Jenny", box_text(dialog, IDC_RANK_NAME_FIRST + 9));
    EXPECT_EQ("00:12:00", box_text(dialog, IDC_RANK_TIME_FIRST + 9));
    expect_stays_open_on_escape_and_close(dialog);
  });
  EXPECT_EQ(0, ini_exists(SETTINGS_FILE_NAME));

  const std::string file = "[Ranking02]\r\nNAME=\r\nSECOND=4000\r\nYEAR=1999\r\n"
                           "[Ranking03]\r\nNAME=山田太郎\r\n[Pos]\r\nX=5\r\n";
  write_settings_text(file.c_str());
  for (int time = 0; time < 2; ++time)
    open(0, [](HWND dialog) {
      EXPECT_EQ("", box_text(dialog, IDC_RANK_NAME_FIRST + 1));
      EXPECT_EQ("1999,01,01", box_text(dialog, IDC_RANK_DATE_FIRST + 1));
      EXPECT_EQ("01:06:40", box_text(dialog, IDC_RANK_TIME_FIRST + 1));
      EXPECT_EQ("山田太郎", box_text(dialog, IDC_RANK_NAME_FIRST + 2));
    });
  EXPECT_EQ(file, read_settings_text());
}

TEST_F(RankingDialog, EntryModeOpensTheNewRowOnlyAndOkWithoutTypingKeepsTheOfferedName) {
  open(300, [](HWND dialog) {  // ties with Chris at rank 3: below her, at rank 4
    EXPECT_EQ(std::vector<int>{3}, editable_rows(dialog));
    EXPECT_EQ("Player1", box_text(dialog, IDC_RANK_NAME_FIRST + 3));
    EXPECT_EQ(date_text(today()), box_text(dialog, IDC_RANK_DATE_FIRST + 3));
    EXPECT_EQ("00:05:00", box_text(dialog, IDC_RANK_TIME_FIRST + 3));
    EXPECT_EQ("Chris", box_text(dialog, IDC_RANK_NAME_FIRST + 2));
    EXPECT_EQ("Dolly", box_text(dialog, IDC_RANK_NAME_FIRST + 4));
    EXPECT_EQ("Irene", box_text(dialog, IDC_RANK_NAME_FIRST + 9));
    DWORD start = 1, end = 0;
    SendMessageA(name_box(dialog, 3), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(7u, end);
    EXPECT_EQ(GetDlgItem(dialog, IDOK), GetFocus());
    // Only the new entry's box is painted on white; the others keep the read-only ground.
    RECT inside;
    GetClientRect(name_box(dialog, 3), &inside);
    EXPECT_EQ(RGB(255, 255, 255), pixel_in(name_box(dialog, 3), inside.right - 3, inside.bottom / 2));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), pixel_in(name_box(dialog, 2), inside.right - 3, inside.bottom / 2));
    expect_stays_open_on_escape_and_close(dialog);
  });
  EXPECT_EQ("Player1", setting("Ranking04", "NAME"));
  EXPECT_EQ("Player1", setting("PLAYER", "NAME"));
  EXPECT_EQ("Dolly", setting("Ranking05", "NAME"));
  EXPECT_EQ("Irene", setting("Ranking10", "NAME"));
  EXPECT_EQ("660", setting("Ranking10", "SECOND"));
}

// The session's end, with the process ended at any moment after, keeps the name typed
// so far as OK would, and OK later keeps what is typed after it.
TEST_F(RankingDialog, TheWholeTableReachesTheFileBeforeTheNameIsTypedAndTheNameAtTheSessionsEnd) {
  write_settings_text("[PLAYER]\r\nNAME=たろう\r\n");
  std::string while_open, session_declined, session_ended;
  open(100, [&](HWND dialog) {
    while_open = read_settings_text();
    type_into(name_box(dialog, 0), "Bob");
    SendMessageA(dialog, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);   // another program said no
    session_declined = read_settings_text();
    SendMessageA(dialog, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    session_ended = read_settings_text();
    type_into(name_box(dialog, 0), "by");
  });
  RankingTable expected = default_ranking();
  ranking_insert(&expected, 100, "たろう", today());
  EXPECT_EQ("[PLAYER]\r\nNAME=たろう\r\n" + ranking_file_text(expected), while_open);
  EXPECT_EQ(while_open, session_declined);
  memcpy(expected.names[0], "Bob", 4);
  EXPECT_EQ("[PLAYER]\r\nNAME=Bob\r\n" + ranking_file_text(expected), session_ended);
  EXPECT_EQ("Bobby", setting("PLAYER", "NAME"));
  EXPECT_EQ("Bobby", setting("Ranking01", "NAME"));
  EXPECT_EQ("Alice", setting("Ranking02", "NAME"));
}

// Another copy of the game in the same folder writes its better times while this one
// asks for the name: the name goes to this dialog's own entry wherever it stands now,
// and where those times pushed it out, only the player's name is kept. Another
// player's entry of the same time and day just above it is not this one's.
TEST_F(RankingDialog, TheNameGoesToItsOwnEntryThoughAnotherCopyMovedIt) {
  const struct { int better; bool tie_above; int row_after; } cases[] = {
      {1, false, 4}, {RANKING_SIZE, false, RANKING_NO_ROW}, {1, true, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.better) + (c.tie_above ? " better, a tie above" : " better"));
    remove_settings();
    const RankingTable with_tie = with_new_entry(default_ranking(), 300, "Tie");
    if (c.tie_above) ranking_save(&with_tie, SETTINGS_FILE_NAME);
    RankingTable other_copys;
    open(300, [&](HWND dialog) {   // ties with Chris (and Tie): below them
      other_copys = ranking_in_file();
      for (int k = 0; k < c.better; ++k) ranking_insert(&other_copys, 100 + k, "Ben", today());
      ranking_save(&other_copys, SETTINGS_FILE_NAME);
      type_into(name_box(dialog, c.tie_above ? 4 : 3), "Aki");
    });
    RankingTable expected = other_copys;
    if (c.row_after != RANKING_NO_ROW) memcpy(expected.names[c.row_after], "Aki", 4);
    EXPECT_EQ("", ranking_difference(expected, ranking_in_file()));
    EXPECT_EQ("Aki", setting("PLAYER", "NAME"));
  }
}

TEST_F(RankingDialog, ATimeOfATableWithoutRankingKeysThatTakesNoRowStoresTheDefaults) {
  ASSERT_EQ(1, ranking_qualifies(800));
  open(800, [](HWND dialog) {
    EXPECT_TRUE(editable_rows(dialog).empty());
    EXPECT_EQ("Jenny", box_text(dialog, IDC_RANK_NAME_FIRST + 9));
  });
  EXPECT_EQ("<absent>", setting("PLAYER", "NAME"));
  EXPECT_EQ("Alice", setting("Ranking01", "NAME"));
  EXPECT_EQ("Jenny", setting("Ranking10", "NAME"));
  EXPECT_EQ("720", setting("Ranking10", "SECOND"));
  EXPECT_EQ(0, ranking_qualifies(800));
}

TEST_F(RankingDialog, AnEmptyNameIsStoredAndOfferedNextTime) {
  open(200, [](HWND dialog) { SetWindowTextA(name_box(dialog, 1), ""); });
  EXPECT_EQ("", setting("PLAYER", "NAME"));
  EXPECT_EQ("", setting("Ranking02", "NAME"));
  open(210, [](HWND dialog) {
    EXPECT_EQ(std::vector<int>{2}, editable_rows(dialog));
    EXPECT_EQ("", box_text(dialog, IDC_RANK_NAME_FIRST + 2));
    EXPECT_EQ("", box_text(dialog, IDC_RANK_NAME_FIRST + 1));
  });
}

// Sixteen double-byte characters are 32 bytes: cut at 31, the last one would leave its
// lead byte behind; a whole character goes instead and the name stays readable. The
// box counts characters, not bytes, and the file holds the name's Shift-JIS bytes.
TEST_F(RankingDialog, ALongJapaneseNameIsCutToWholeCharacters) {
  const std::string sixteen = "東西南北春夏秋冬松竹梅桜梨桃柿栗";
  open(200, [&](HWND dialog) { type_into(name_box(dialog, 1), sixteen); });
  EXPECT_EQ(sixteen.substr(0, 30), setting("PLAYER", "NAME"));
  EXPECT_EQ(sixteen.substr(0, 30), setting("Ranking02", "NAME"));
  EXPECT_NE(std::string::npos, read_settings_text().find("NAME=" + sixteen.substr(0, 30) + "\r\n"));

  // A name that a hand edit made too long is cut the same way when it is loaded.
  ini_put_string("Ranking03", "NAME", ("x" + sixteen).c_str(), SETTINGS_FILE_NAME);
  open(0, [&](HWND dialog) {
    EXPECT_EQ(("x" + sixteen).substr(0, 31), box_text(dialog, IDC_RANK_NAME_FIRST + 2));
  });
  ini_put_string("Ranking03", "NAME", sixteen.c_str(), SETTINGS_FILE_NAME);
  open(0, [&](HWND dialog) { EXPECT_EQ(sixteen.substr(0, 30), box_text(dialog, IDC_RANK_NAME_FIRST + 2)); });
}

// The boxes' font: the dialog's while a name fits it; a longer name is drawn smaller,
// not below three quarters of it, and narrower past that, so it shows whole.
void expect_shown_whole(HWND box, bool in_dialogs_font) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
  LOGFONTW look = {}, dialogs = {};
  GetObjectW(font, sizeof look, &look);
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetParent(box), WM_GETFONT, 0, 0)), sizeof dialogs, &dialogs);
  EXPECT_EQ(in_dialogs_font, memcmp(&look, &dialogs, sizeof look) == 0);
  EXPECT_GE(abs(look.lfHeight), abs(dialogs.lfHeight) * 3 / 4);
  wchar_t text[64];
  const int length = GetWindowTextW(box, text, 64);
  HDC dc = GetDC(box);
  HGDIOBJ before = SelectObject(dc, font);
  SIZE drawn = {};
  GetTextExtentPoint32W(dc, text, length, &drawn);
  SelectObject(dc, before);
  ReleaseDC(box, dc);
  RECT client;
  GetClientRect(box, &client);
  const LRESULT margins = SendMessageW(box, EM_GETMARGINS, 0, 0);
  EXPECT_LE(drawn.cx, client.right - LOWORD(margins) - HIWORD(margins));
  EXPECT_GE(static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, 0, 0))), LOWORD(margins)) << "scrolled";
}

// The longest names the file keeps, shown in the view and typed into a new entry, at
// the scale the test runs at (the DPI runs take this test again).
TEST_F(RankingDialog, TheLongestNamesShowWhole) {
  const struct { const char* name; bool in_dialogs_font; } cases[] = {
      {"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯ", false}, {"東西南北春夏秋冬松竹梅桜梨桃柿", false},
      {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", false}, {"Alice", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ini_put_string("Ranking01", "NAME", c.name, SETTINGS_FILE_NAME);
    open(0, [&](HWND dialog) { expect_shown_whole(name_box(dialog, 0), c.in_dialogs_font); });
    remove_settings();
    open(100, [&](HWND dialog) {
      type_into(name_box(dialog, 0), c.name);
      EXPECT_EQ(c.name, box_text(dialog, IDC_RANK_NAME_FIRST));
      expect_shown_whole(name_box(dialog, 0), c.in_dialogs_font);
    });
  }
}

// Letters Shift-JIS cannot hold would reach the file as "?": OK names them, leaves the
// name without them in the box and stays open; the next OK keeps that. Letters of
// Windows' own Shift-JIS beyond JIS X 0208 (a circled figure, 髙) are kept at once.
TEST_F(RankingDialog, ANameWithLettersShiftJisCannotHoldIsNotKeptAsQuestionMarks) {
  const struct { std::wstring typed; std::string kept; std::wstring told; } cases[] = {
      {L"太郎\U0001F600한", "太郎", L"\U0001F600한"},
      {L"①髙橋", "①髙橋", L""},
      {L"\U0001F600", "", L"\U0001F600"},
      {L"Zoé", "Zo", L"é"}};   // é would come out as its look-alike e
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kept);
    remove_settings();
    std::wstring told;
    bool open_after_first_ok = false;
    BoxCatcher catcher([&](HWND box) {   // the box that names the letters
      wchar_t text[256] = L"";
      GetDlgItemTextW(box, 0xFFFF, text, 256);
      told = text;
      press_button(IDOK)(box);
    });
    catcher.then([&](HWND dialog) {
      type_into(name_box(dialog, 1), c.typed);
      press_dialog_key(dialog, VK_RETURN);
      open_after_first_ok = is_open(dialog);
      if (open_after_first_ok) {
        EXPECT_EQ(c.kept, box_text(dialog, IDC_RANK_NAME_FIRST + 1));
        press_dialog_key(dialog, VK_RETURN);
      }
    });
    EXPECT_EQ(1, run_dialog(IDD_RANKING, ranking_dialog_proc, 200));
    EXPECT_EQ(!c.told.empty(), open_after_first_ok);
    EXPECT_EQ(c.told.empty(), told.empty());
    if (!c.told.empty()) EXPECT_NE(std::wstring::npos, told.find(c.told));
    EXPECT_EQ(c.kept, setting("Ranking02", "NAME"));
    EXPECT_EQ(c.kept, setting("PLAYER", "NAME"));
  }
}

}  // namespace
