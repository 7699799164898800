// The first run: the shortcut offer comes before the main window is ever seen.
#include <gtest/gtest.h>
#include <algorithm>
#include "box_catcher.h"
#include "main_window_harness.h"
#include "resource.h"
#include "settings.h"
#include "settings_save.h"
#include "shell_state.h"

namespace {

std::wstring copy_path() { return settings_file().substr(0, settings_file().rfind(L'\\') + 1) + L"kotopai.new"; }

void leave_copy(const char* text) {
  FILE* left = _wfopen(copy_path().c_str(), L"wb");
  ASSERT_NE(nullptr, left);
  fputs(text, left);
  fclose(left);
}

const char* const LEFT_COPY = "[Pos]\r\nX=150\r\nY=60\r\n[MODE]\r\nmode=1\r\n[Left]\r\nbehind=1\r\n";

// A copy that a kill cut short in the first save is no settings file (it is still
// marked read-only): the offer comes, its keys are never read, the next save writes
// over it.
TEST(FirstRun, OffersShortcutsWhileHiddenThenShowsCentredWithDefaults) {
  remove_settings();
  const std::wstring copy = copy_path();
  leave_copy(LEFT_COPY);
  SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_READONLY);
  std::vector<std::string> files_before = files_beside_program();
  int owner_visible_during_dialog = -1;
  HWND dialog_owner = nullptr;
  BoxCatcher catcher([&](HWND box) {
    dialog_owner = GetWindow(box, GW_OWNER);
    owner_visible_during_dialog = IsWindowVisible(dialog_owner) ? 1 : 0;
    press_button(IDCANCEL)(box);
  });
  HWND window = open_main_window();
  ASSERT_EQ(1u, catcher.caught().size());
  EXPECT_STREQ("設定", catcher.caught()[0].caption.c_str());
  EXPECT_EQ(window, dialog_owner);
  EXPECT_EQ(0, owner_visible_during_dialog);
  // Asking whether the folder takes the settings file left nothing there.
  EXPECT_EQ(files_before, files_beside_program());

  EXPECT_TRUE(IsWindowVisible(window));
  RECT rect, desktop;
  GetWindowRect(window, &rect);
  GetWindowRect(GetDesktopWindow(), &desktop);
  EXPECT_EQ((desktop.right - 780) / 2, rect.left);
  EXPECT_EQ((desktop.bottom - 580) / 2, rect.top);
  EXPECT_EQ(0, game_mode);
  EXPECT_EQ(1, sound_on);
  EXPECT_EQ("normal on", switch_marks());
  // "00:00:00" stands in the top right, in magenta.
  keep_on_top(window);
  HDC dc = GetDC(window);
  int magenta = 0;
  for (int y = 10; y < 40; ++y)
    for (int x = 660; x < 740; ++x) magenta += GetPixel(dc, x, y) == RGB(255, 0, 255);
  ReleaseDC(window, dc);
  EXPECT_GT(magenta, 50);

  close_main_window(window);
  // Cancelled, yet the file now exists, so the next start asks nothing.
  EXPECT_EQ(1, ini_exists(SETTINGS_FILE_NAME));
  EXPECT_EQ(-1, ini_get_int("ShellLink", "DESKTOP", -1, SETTINGS_FILE_NAME));
  EXPECT_EQ(std::string::npos, read_settings_text().find("behind"));
  files_before.erase(std::find(files_before.begin(), files_before.end(), "kotopai.new"));
  files_before.insert(std::lower_bound(files_before.begin(), files_before.end(), "kotopai.ini"), "kotopai.ini");
  EXPECT_EQ(files_before, files_beside_program());
  window = open_main_window();
  EXPECT_EQ(1u, catcher.caught().size());
  close_main_window(window);
  remove_settings();
  DeleteFileW(copy.c_str());
}

// A save cut off between the file's delete and the copy's rename, as on FAT or exFAT:
// the copy, written whole, is the settings, at start and at the next save alike.
TEST(FirstRun, AWholeCopyInPlaceOfTheFileIsTheSettings) {
  for (const bool at_start : {true, false}) {
    remove_settings();
    leave_copy(LEFT_COPY);
    if (at_start) {
      BoxCatcher catcher;
      HWND window = open_main_window();
      EXPECT_TRUE(catcher.caught().empty()) << "the first-run offer";
      EXPECT_EQ(1, game_mode);
      close_main_window(window);
    } else {
      EXPECT_EQ(1, settings_save([](const char* name) { return ini_put_string("MODE", "mode", "0", name); }));
      EXPECT_EQ(std::string(LEFT_COPY).replace(33, 1, "0"), read_settings_text());
    }
    EXPECT_NE(std::string::npos, read_settings_text().find("behind=1")) << at_start;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(copy_path().c_str()));
  }
  remove_settings();
}

}  // namespace
