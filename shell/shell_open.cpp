// The help document and the home page, handed to the shell's default handlers.
#include "shell_open.h"
#include <shellapi.h>
#include <cwchar>
#include "app_identity.h"
#include "homepage.h"
#include "modal_boxes.h"
#include "program_path.h"

namespace {

// A build setting, empty unless the build names one: this project has no web site.
const wchar_t* const HOMEPAGE_ADDRESS = L"" KOTOPAI_HOMEPAGE;

struct PageWords {
  const wchar_t* verb;
  const wchar_t* caption;
  const wchar_t* not_opened;
};
const PageWords PAGE_WORDS[] = {
    {nullptr, L"説明ファイル", L"説明ファイルを開けませんでした。"},
    {L"open", L"作者のホームページ", L"作者のホームページを開けませんでした。"},
};

void tell_not_opened(HWND owner, ShellPage page, const wchar_t* where, const wchar_t* what_to_do) {
  show_path_message(owner, PAGE_WORDS[page].not_opened, where, what_to_do, PAGE_WORDS[page].caption);
}

}  // namespace

int open_with_shell(const wchar_t* verb, const wchar_t* file, const wchar_t* directory) {
  const HINSTANCE result = ShellExecuteW(nullptr, verb, file, nullptr, directory, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32 ? 1 : 0;
}

ShellOpener shell_opener = open_with_shell;

// The page goes by its full path, as the shell cannot join a long folder with a name.
// The shell searches paths in buffers of MAX_PATH characters and finds no file at a
// longer one, so such a path goes in its short form; where the volume keeps no short
// names, or the file is missing, there is no form the shell could take. A working
// folder the shell cannot take is left out: the page's path is whole.
void open_page(HWND owner, ShellPage page, const wchar_t* path, const wchar_t* folder) {
  LongPath file_room, folder_room;
  const wchar_t* file = short_enough_path(path, &file_room);
  const wchar_t* directory = folder ? short_enough_path(folder, &folder_room) : nullptr;
  if (!file || !shell_opener(PAGE_WORDS[page].verb, file, directory))
    tell_not_opened(owner, page, path, L"ブラウザなどで、このファイルを直接開いてください。");
}

void open_help(HWND owner) {
  LongPath file, folder;
  path_beside_program(HELP_FILE_NAME, &file);
  program_folder(&folder);
  open_page(owner, PAGE_HELP, file.text, folder.text);
}

void open_homepage(HWND owner) {
  if (!HOMEPAGE_ADDRESS[0]) {
    LongPath page;
    path_beside_program(HOMEPAGE_FILE_NAME, &page);
    open_page(owner, PAGE_HOME, page.text, nullptr);
  } else if (!shell_opener(PAGE_WORDS[PAGE_HOME].verb, HOMEPAGE_ADDRESS, nullptr)) {
    tell_not_opened(owner, PAGE_HOME, HOMEPAGE_ADDRESS, L"ブラウザで、このアドレスを直接開いてください。");
  }
}
