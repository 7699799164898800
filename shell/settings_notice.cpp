// Telling the player, once at start, that the settings file cannot be written:
// without a word, the ranking would seem kept and the first-run offer would come
// back at every start.
#include "settings_notice.h"
#include <cwchar>
#include "modal_boxes.h"
#include "settings.h"

void ask_for_settings_notice(HWND window) {
  if (!ini_writable(SETTINGS_FILE_NAME)) PostMessageA(window, WM_SETTINGS_NOTICE, 0, 0);
}

// In UTF-16, so the path reads as the folder is named, in any language.
void show_settings_notice(HWND window) {
  LongPath path;
  ini_path(SETTINGS_FILE_NAME, &path);
  wchar_t text[LONG_PATH_SIZE + 128];
  wcscpy(text, L"設定ファイルに書き込めません。\n");
  wcscat(text, path.text);
  wcscat(text, L"\n\nこのままでは設定とランキングが保存されません。\n"
               L"ゲームのフォルダを、書き込みのできる場所へ移してください。");
  show_modal_message_wide(window, text, L"設定ファイル");
}
