// The game in a folder named with letters outside its code page, with a path as long
// as Windows lets a program's be: what it keeps and finds beside itself is there.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <cstring>
#include <algorithm>
#include <cwchar>
#include <string>
#include "box_catcher.h"
#include "child_test.h"
#include "main_window_harness.h"
#include "play_helpers.h"
#include "resource.h"
#include "settings_notice.h"
#include "shell_calls.h"
#include "shell_open.h"
#include "sound.h"

namespace {

constexpr UINT PASSED_IN_THE_FOLDER = 43;
constexpr UINT TOLD_IN_THE_FOLDER = 44;
// The longest path of a program that Windows starts without long-path support:
// then the help file's path (260) and the home page's are past MAX_PATH.
constexpr size_t PROGRAM_PATH_LENGTH = MAX_PATH - 1;

std::wstring long_form(const std::wstring& path) {
  wchar_t found[32768];
  DWORD length = GetLongPathNameW(path.c_str(), found, 32768);
  return length > 0 && length < 32768 ? found : L"(no such file: " + path + L")";
}

// Run by the next test in a copy of this program in such a folder, which the copy
// sees as its own: a first run that asks for a desktop link, the cues' files, a
// cleared game that takes a ranking entry, help and the home page, then the close.
TEST(AnyFolder, DISABLED_InTheFolder) {
  BoxCatcher catcher;
  catcher.then([](HWND offer) {
    SendDlgItemMessageA(offer, IDC_SHORTCUT_DESKTOP, BM_CLICK, 0, 0);
    press_button(IDOK)(offer);
  });
  shell_calls.clear();
  shell_opener = record_shell_call;
  HWND window = open_main_window();
  for (const char* cue : {"check", "tezumari"}) {
    const void* sound = cue_sound(cue);
    EXPECT_TRUE(sound && std::memcmp(sound, "RIFF", 4) == 0) << cue;
  }
  EXPECT_EQ(72, play_easy_game(window, 1));   // the ranking opens for the entry; OK keeps it
  SendMessageA(window, WM_KEYDOWN, VK_F1, 0);
  SendMessageA(window, WM_COMMAND, IDM_HOMEPAGE, 0);
  close_main_window(window);
  std::vector<std::string> captions;
  for (const CaughtBox& box : catcher.caught()) captions.push_back(box.caption);
  EXPECT_EQ((std::vector<std::string>{"設定", "ランキング"}), captions);   // and no word of an unwritable file

  // Each page reaches the shell by a path it takes, naming the file beside the program.
  const std::wstring folder = own_folder();
  ASSERT_EQ(2u, shell_calls.size());
  EXPECT_EQ(folder + L"\\help\\kotopai.htm", long_form(shell_calls[0].file));
  EXPECT_EQ(folder, shell_calls[0].directory);
  EXPECT_EQ(folder + L"\\help\\home.htm", long_form(shell_calls[1].file));
  for (const ShellCall& call : shell_calls) EXPECT_LT(call.file.size(), size_t{MAX_PATH});
  fflush(stdout);
  TerminateProcess(GetCurrentProcess(), testing::Test::HasFailure() ? 1 : PASSED_IN_THE_FOLDER);
}

bool copy_into(const std::wstring& from, const std::wstring& to) {
  return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

void remove_folder(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) remove_folder(folder + L"\\" + name);
      else DeleteFileW((folder + L"\\" + name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

std::wstring setting(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  wchar_t value[64];
  GetPrivateProfileStringW(section, key, L"(absent)", value, 64, file.c_str());
  return value;
}

TEST(AnyFolder, KeepsSettingsAndRankingAndFindsSoundsAndHelpBesideTheProgram) {
  // The game's files lie beside kotopai.exe in the build tree, two folders up.
  const std::wstring built = own_folder() + L"\\..\\..";
  std::wstring folder = own_folder() + L"\\é ü 한 ";
  const size_t room = PROGRAM_PATH_LENGTH - std::wcslen(L"\\kotopai.exe");
  if (folder.size() < room) folder += std::wstring(room - folder.size(), L'x');
  const std::wstring program = folder + L"\\kotopai.exe";
  remove_folder(folder);
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  struct Afterwards {
    std::wstring folder;
    ~Afterwards() {
      DeleteFileW(link_file(CSIDL_DESKTOP).c_str());
      remove_folder(folder);
    }
  } afterwards{folder};
  ASSERT_TRUE(CreateDirectoryW((folder + L"\\help").c_str(), nullptr));
  ASSERT_TRUE(copy_into(own_program(), program));
  for (const wchar_t* name : {L"check.wav", L"tezumari.wav", L"help\\kotopai.htm", L"help\\home.htm"})
    ASSERT_TRUE(copy_into(built + L"\\" + name, folder + L"\\" + name)) << name;
  DeleteFileW(link_file(CSIDL_DESKTOP).c_str());

  EXPECT_EQ(PASSED_IN_THE_FOLDER, run_child_test(program, L"AnyFolder.DISABLED_InTheFolder", 180000));

  const std::wstring settings = folder + L"\\kotopai.ini";
  EXPECT_EQ(L"1", setting(settings, L"ShellLink", L"DESKTOP"));
  EXPECT_EQ(L"1", setting(settings, L"MODE", L"mode"));
  EXPECT_NE(L"(absent)", setting(settings, L"Pos", L"X"));
  EXPECT_EQ(L"Player1", setting(settings, L"Ranking01", L"NAME"));
  EXPECT_EQ(L"1", setting(settings, L"Ranking01", L"SECOND"));
  EXPECT_EQ(0, _wcsicmp(program.c_str(), link_target(link_file(CSIDL_DESKTOP)).c_str()))
      << link_target(link_file(CSIDL_DESKTOP));
}

// Run by the next test in a copy of this program with a short name, in a folder where
// its own path fits in MAX_PATH and the settings file's does not: a first run and a
// close, the offer answered with OK. Its code says which boxes came.
TEST(AnyFolder, DISABLED_WhereTheSettingsPathIsLong) {
  BoxCatcher catcher;
  HWND window = open_main_window();
  for (int turn = 0; turn < 1000 && settings_checks_left > 0; ++turn) {
    pump_messages();
    Sleep(5);
  }
  close_main_window(window);
  std::vector<std::string> captions;
  for (const CaughtBox& box : catcher.caught()) captions.push_back(box.caption);
  const bool kept = captions == std::vector<std::string>{"設定"};
  const bool told = captions == std::vector<std::string>{"設定", "設定ファイル"};   // one word, after the offer
  EXPECT_TRUE(kept || told) << testing::PrintToString(captions);
  fflush(stdout);
  TerminateProcess(GetCurrentProcess(), testing::Test::HasFailure() ? 1 : kept ? PASSED_IN_THE_FOLDER : TOLD_IN_THE_FOLDER);
}

// Folders named with short names only, from the root of the prefix's drive, as on a
// volume that keeps no short names: the folder's path has no shorter form.
std::wstring short_names_only(size_t length) {
  std::wstring folder = L"C:\\KP" + std::to_wstring(GetCurrentProcessId() % 1000000);
  while (folder.size() + 9 <= length) folder += L"\\ABCDEFGH";
  if (folder.size() < length) folder += L"\\" + std::wstring(length - folder.size() - 1, L'A');
  return folder;
}

// The profile functions are never handed a path they may not take. Past MAX_PATH the
// file goes by its folder's short form, and the settings are kept; where there is
// none, the player is told, as for a folder that cannot be written, and nothing is
// written anywhere.
TEST(AnyFolder, ASettingsPathPastMaxPathGoesByItsShortFormOrIsToldOnce) {
  const size_t length = MAX_PATH - 10;   // settings path of MAX_PATH + 2, program path of MAX_PATH - 4
  std::wstring with_short_form = own_folder() + L"\\long ";
  with_short_form += std::wstring(length - with_short_form.size(), L'x');
  const std::wstring without = short_names_only(length);
  const struct {
    const char* what;
    std::wstring folder, top;
    UINT code;
    std::vector<std::wstring> names;
  } rows[] = {
      {"a short form", with_short_form, with_short_form, PASSED_IN_THE_FOLDER, {L".", L"..", L"k.exe", L"kotopai.ini"}},
      {"no short form", without, without.substr(0, without.find(L'\\', 3)), TOLD_IN_THE_FOLDER,
       {L".", L"..", L"k.exe"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ASSERT_EQ(length, row.folder.size());
    remove_folder(row.top);
    for (size_t end = row.folder.find(L'\\', row.top.size() - 1); end != std::wstring::npos;
         end = row.folder.find(L'\\', end + 1))
      CreateDirectoryW(row.folder.substr(0, end).c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryW(row.folder.c_str(), nullptr));
    struct Afterwards {
      std::wstring top;
      ~Afterwards() { remove_folder(top); }
    } afterwards{row.top};
    ASSERT_TRUE(copy_into(own_program(), row.folder + L"\\k.exe"));

    EXPECT_EQ(row.code, run_child_test(row.folder + L"\\k.exe", L"AnyFolder.DISABLED_WhereTheSettingsPathIsLong", 60000));
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((row.folder + L"\\*").c_str(), &found);
    std::vector<std::wstring> names;
    do {
      names.push_back(found.cFileName);
    } while (search != INVALID_HANDLE_VALUE && FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(row.names, names);
  }
}

}  // namespace
