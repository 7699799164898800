// The help document and the home page, handed to the shell's default handlers.
#include "shell_open.h"
#include <windows.h>
#include <shellapi.h>
#include <cwchar>
#include "app_identity.h"
#include "homepage.h"
#include "program_path.h"

// A build setting, empty unless the build names one: this project has no web site.
static const wchar_t* const HOMEPAGE_ADDRESS = L"" KOTOPAI_HOMEPAGE;

void open_with_shell(const wchar_t* verb, const wchar_t* file, const wchar_t* directory) {
  ShellExecuteW(nullptr, verb, file, nullptr, directory, SW_SHOWNORMAL);
}

ShellOpener shell_opener = open_with_shell;

// The path as the shell can take it. The shell joins and searches paths in buffers of
// MAX_PATH characters and finds no file at a longer one, so such a path is handed over
// in its short form (made in room), which names the same file, where it has one.
static const wchar_t* shell_form(const wchar_t* path, LongPath* room) {
  if (std::wcslen(path) < MAX_PATH) return path;
  unlimited_path(path, room);
  const DWORD length = GetShortPathNameW(room->text, room->text, LONG_PATH_SIZE);
  if (length == 0 || length >= LONG_PATH_SIZE) return path;
  const wchar_t* form = room->text;
  if (std::wcsncmp(form, L"\\\\?\\UNC\\", 8) == 0) {
    room->text[6] = L'\\';   // "\\?\UNC\server" reads "\\server" from here on
    form += 6;
  } else if (std::wcsncmp(form, L"\\\\?\\", 4) == 0) {
    form += 4;
  }
  return std::wcslen(form) < MAX_PATH ? form : path;
}

// Opened by its full path, as the shell cannot join a long folder with a name.
void open_help() {
  LongPath file, folder, file_room, folder_room;
  path_beside_program(HELP_FILE_NAME, &file);
  program_folder(&folder);
  shell_opener(nullptr, shell_form(file.text, &file_room), shell_form(folder.text, &folder_room));
}

void open_homepage() {
  if (HOMEPAGE_ADDRESS[0]) {
    shell_opener(L"open", HOMEPAGE_ADDRESS, nullptr);
    return;
  }
  LongPath page, room;
  path_beside_program(HOMEPAGE_FILE_NAME, &page);
  shell_opener(L"open", shell_form(page.text, &room), nullptr);
}
