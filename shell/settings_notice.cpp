// Telling the player, once at start, that the settings file cannot be written:
// without a word, the ranking would seem kept and the first-run offer would come
// back at every start.
#include "settings_notice.h"
#include "modal_boxes.h"
#include "settings.h"

int settings_checks_left = 0;

namespace {

// The one box, owned by the main window, naming the file. In UTF-16, so the path
// reads as the folder is named, in any language.
void show_settings_notice(HWND window) {
  LongPath path;
  ini_path(SETTINGS_FILE_NAME, &path);
  show_path_message(window, L"設定ファイルに書き込めません。", path.text,
                    L"このままでは設定とランキングが保存されません。\n"
                    L"ゲームのフォルダを、書き込みのできる場所へ移してください。",
                    L"設定ファイル");
}

}  // namespace

// A virus scanner or a backup program that holds the file as the game starts lets
// go of it within a moment: the player is told only of a file that stays unwritable.
// The checks come from a timer, so the window's creation never waits for them.
void ask_for_settings_notice(HWND window) {
  settings_checks_left = 0;
  if (ini_writable(SETTINGS_FILE_NAME)) return;
  settings_checks_left = SETTINGS_CHECKS - 1;
  SetTimer(window, TIMER_SETTINGS_CHECK, SETTINGS_CHECK_PERIOD_MS, nullptr);
}

void settings_check_tick(HWND window) {
  if (settings_checks_left <= 0 || modal_box_open()) return;   // a box shown now would be lost
  const int writable = ini_writable(SETTINGS_FILE_NAME);
  if (!writable && --settings_checks_left > 0) return;
  settings_checks_left = 0;
  KillTimer(window, TIMER_SETTINGS_CHECK);
  if (!writable) show_settings_notice(window);
}

