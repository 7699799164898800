// Telling the player, once at start, that the settings file cannot be written:
// without a word, the ranking would seem kept and the first-run offer would come
// back at every start.
#include "settings_notice.h"
#include <stdio.h>
#include "modal_boxes.h"
#include "settings.h"

void ask_for_settings_notice(HWND window) {
  if (!ini_writable(SETTINGS_FILE_NAME)) PostMessageA(window, WM_SETTINGS_NOTICE, 0, 0);
}

void show_settings_notice(HWND window) {
  char path[MAX_PATH];
  ini_path(SETTINGS_FILE_NAME, path);
  char text[MAX_PATH + 256];
  snprintf(text, sizeof text,
           "設定ファイルに書き込めません。\n%s\n\n"
           "このままでは設定とランキングが保存されません。\n"
           "ゲームのフォルダを、書き込みのできる場所へ移してください。",
           path);
  show_modal_message(window, text, "設定ファイル");
}
