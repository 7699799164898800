// The help document and the home page, handed to the shell's default handlers.
#include "shell_open.h"
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>
#include "app_identity.h"

void open_with_shell(const char* verb, const char* file, const char* directory) {
  ShellExecuteA(nullptr, verb, file, nullptr, directory, SW_SHOWNORMAL);
}

ShellOpener shell_opener = open_with_shell;

void open_help() {
  char directory[MAX_PATH];
  GetModuleFileNameA(nullptr, directory, sizeof(directory));
  PathRemoveFileSpecA(directory);
  shell_opener(nullptr, HELP_FILE_NAME, directory);
}

void open_homepage() { shell_opener("open", HOMEPAGE_ADDRESS, nullptr); }
