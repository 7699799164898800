// The first-run shortcut dialog: links in the three folders, choices recorded on OK only.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include "box_catcher.h"
#include "dialog_checks.h"
#include "resource.h"
#include "settings.h"
#include "main_window_harness.h"
#include "shell_calls.h"
#include "shortcut.h"

namespace {

const int FOLDERS[] = {CSIDL_STARTUP, CSIDL_DESKTOP, CSIDL_PROGRAMS};

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring own_path() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

bool names_the_program(const std::wstring& target) { return _wcsicmp(own_path().c_str(), target.c_str()) == 0; }

// A title in Japanese names its links in Japanese on a system of any language.
const struct { const char* title; const wchar_t* link; } TITLES[] = {
    {"Kotopai", L"Kotopai"}, {"ことぱい", L"ことぱい"}};

void remove_links() {
  for (int folder : FOLDERS)
    for (const auto& t : TITLES) DeleteFileW(link_file(folder, t.link).c_str());
}

class ShortcutDialog : public testing::Test {
 protected:
  void SetUp() override {
    remove_settings();
    remove_links();
    shortcut_startup = shortcut_desktop = shortcut_startmenu = 0;
  }
  void TearDown() override {
    remove_links();
    remove_settings();
  }
  static void open(std::function<void(HWND)> inside, const char* title = "Kotopai") {
    BoxCatcher catcher([&](HWND dialog) { inside(dialog); });
    EXPECT_EQ(1, shortcut_dialog_run(GetModuleHandleA(nullptr), nullptr, title));
    ASSERT_EQ(1u, catcher.caught().size());
  }
  static void tick_all(HWND dialog) {
    for (int box : {IDC_SHORTCUT_DESKTOP, IDC_SHORTCUT_STARTMENU, IDC_SHORTCUT_STARTUP})
      SendDlgItemMessageA(dialog, box, BM_CLICK, 0, 0);
  }
};

TEST_F(ShortcutDialog, LooksAsTheResourceSaysWithEveryBoxUnticked) {
  open([](HWND dialog) {
    expect_dialog_frame(dialog, 187, 93, "設定", "ＭＳ Ｐゴシック", 9);
    expect_control_at(dialog, IDOK, 130, 7, 50, 14);
    expect_control_at(dialog, IDCANCEL, 130, 24, 50, 14);
    expect_control_at(dialog, IDC_SHORTCUT_DESKTOP, 33, 29, 51, 10);
    expect_control_at(dialog, IDC_SHORTCUT_STARTMENU, 33, 44, 63, 10);
    expect_control_at(dialog, IDC_SHORTCUT_STARTUP, 33, 59, 57, 10);
    EXPECT_EQ("ショートカットの作成", window_text(child_at(dialog, 12, 10)));
    EXPECT_EQ("ｷｬﾝｾﾙ", window_text(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_EQ("デスクトップ", window_text(GetDlgItem(dialog, IDC_SHORTCUT_DESKTOP)));
    EXPECT_EQ("スタートメニュー", window_text(GetDlgItem(dialog, IDC_SHORTCUT_STARTMENU)));
    EXPECT_EQ("スタートアップ", window_text(GetDlgItem(dialog, IDC_SHORTCUT_STARTUP)));
    const std::vector<int> tabs = {IDOK, IDCANCEL, IDC_SHORTCUT_DESKTOP, IDC_SHORTCUT_STARTMENU,
                                   IDC_SHORTCUT_STARTUP};
    EXPECT_EQ(tabs, tab_order(dialog));
    EXPECT_EQ(GetDlgItem(dialog, IDOK), GetFocus());
    for (int box : {IDC_SHORTCUT_DESKTOP, IDC_SHORTCUT_STARTMENU, IDC_SHORTCUT_STARTUP})
      EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, box));
    press_dialog_key(dialog, VK_ESCAPE);  // Esc is Cancel here
    EXPECT_FALSE(is_open(dialog));
  });
  EXPECT_EQ(0, ini_exists(SETTINGS_FILE_NAME));
}

TEST_F(ShortcutDialog, AllThreeTickedMakeThreeLinksToTheProgramAndRecordTheChoices) {
  for (const auto& t : TITLES) {
    shortcut_startup = shortcut_desktop = shortcut_startmenu = 0;
    open([](HWND dialog) {
      tick_all(dialog);
      press_dialog_key(dialog, VK_RETURN);
    }, t.title);
  }
  for (int folder : FOLDERS)
    for (const auto& t : TITLES) {
      SCOPED_TRACE(folder);
      SCOPED_TRACE(t.title);
      EXPECT_TRUE(exists(link_file(folder, t.link)));
      EXPECT_TRUE(names_the_program(link_target(link_file(folder, t.link))));
    }
  EXPECT_EQ(1, shortcut_startup);
  EXPECT_EQ(1, shortcut_desktop);
  EXPECT_EQ(1, shortcut_startmenu);
  EXPECT_EQ("[ShellLink]\r\nSTARTUP=1\r\nDESKTOP=1\r\nSTARTMENU=1\r\n", read_settings_text());
}

TEST_F(ShortcutDialog, OkWithNothingTickedRecordsThreeZerosAndMakesNoLink) {
  shortcut_desktop = 1;  // a choice left from before shows as ticked
  open([](HWND dialog) {
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_SHORTCUT_DESKTOP));
    SendDlgItemMessageA(dialog, IDC_SHORTCUT_DESKTOP, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
  });
  for (int folder : FOLDERS) EXPECT_FALSE(exists(link_file(folder)));
  EXPECT_EQ("[ShellLink]\r\nSTARTUP=0\r\nDESKTOP=0\r\nSTARTMENU=0\r\n", read_settings_text());
}

TEST_F(ShortcutDialog, CancelMakesNothingAndWritesNothing) {
  open([](HWND dialog) {
    tick_all(dialog);
    SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
  });
  for (int folder : FOLDERS) EXPECT_FALSE(exists(link_file(folder)));
  EXPECT_EQ(0, ini_exists(SETTINGS_FILE_NAME));
  EXPECT_EQ(0, shortcut_startup + shortcut_desktop + shortcut_startmenu);
}

TEST_F(ShortcutDialog, AnOldFileOfTheLinksNameIsReplaced) {
  const std::wstring desktop_link = link_file(CSIDL_DESKTOP);
  HANDLE junk = CreateFileW(desktop_link.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written;
  WriteFile(junk, "not a link", 10, &written, nullptr);
  CloseHandle(junk);
  open([](HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_SHORTCUT_DESKTOP, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
  });
  EXPECT_TRUE(names_the_program(link_target(desktop_link)));
  EXPECT_FALSE(exists(link_file(CSIDL_STARTUP)));
}

TEST(ShellLink, AFolderWithoutAPathMakesNoLinkAndReportsIt) {
  EXPECT_EQ(0, make_shortcut(own_path().c_str(), "Kotopai.lnk", nullptr, CSIDL_CONTROLS));
  EXPECT_EQ(1, make_program_shortcut(nullptr, "Kotopai", CSIDL_CONTROLS));
}

}  // namespace
