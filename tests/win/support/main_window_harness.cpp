// Creating and destroying the real main window inside a test program.
#include "main_window_harness.h"
#include <stdio.h>
#include <algorithm>
#include "app_identity.h"
#include "board.h"
#include "main_window.h"
#include "resource.h"
#include "rules_support.h"
#include "settings.h"
#include "shell_state.h"
#include "state_reset.h"
#include "window_classes.h"
#include "window_position.h"

HWND open_main_window(const std::function<void(HWND)>& created) {
  register_window_classes(app_instance);
  HWND window = create_main_window(app_instance);
  if (created) created(window);
  place_main_window(window);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  pump_messages();
  return window;
}

void keep_on_top(HWND window) {
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  UpdateWindow(window);
}

void close_main_window(HWND window) {
  if (IsWindow(window)) DestroyWindow(window);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;   // the shutdown's; the test goes on
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  presentation_reset();
  board_reset();
  shell_reset();
}

std::string switch_marks() {
  auto marked = [](int id) { return (GetMenuState(main_menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; };
  auto pair = [&](int first, int second, const char* first_name, const char* second_name) {
    return marked(first) == marked(second) ? "?" : marked(first) ? first_name : second_name;
  };
  return std::string(pair(IDM_MODE_NORMAL, IDM_MODE_EASY, "normal", "easy")) + " " +
         pair(IDM_SOUND_ON, IDM_SOUND_OFF, "on", "off");
}

std::wstring settings_file() {
  LongPath path;
  ini_path(SETTINGS_FILE_NAME, &path);
  return path.text;
}

std::string settings_path() {
  const std::wstring wide = settings_file();
  char path[MAX_PATH * 2];
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, path, sizeof path, nullptr, nullptr);
  return path;
}

std::string file_bytes(const std::wstring& path) {
  std::string bytes;
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) return bytes;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) bytes.append(buffer, got);
  fclose(file);
  return bytes;
}

void put_file_bytes(const std::wstring& path, const std::string& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return;
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
}

std::string read_settings_text() { return file_bytes(settings_file()); }

// The profile functions may cache the last file they read: let go of it before the
// file changes under them.
static void release_profile_cache() { WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr); }

void write_settings_text(const char* text) {
  release_profile_cache();
  put_file_bytes(settings_file(), text);
}

void remove_settings() {
  release_profile_cache();
  DeleteFileW(settings_file().c_str());
}

std::vector<std::string> files_beside_program() {
  std::wstring pattern = settings_file();
  pattern = pattern.substr(0, pattern.rfind(L'\\') + 1) + L"*";
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    char name[MAX_PATH * 2];
    WideCharToMultiByte(CP_ACP, 0, found.cFileName, -1, name, sizeof name, nullptr, nullptr);
    names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}
