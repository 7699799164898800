// The settings file: defaults, values read back, odd values, texts and where the file lies.
#include <gtest/gtest.h>
#include <windows.h>
#include <climits>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include "dbcs_text.h"
#include "ini_text.h"
#include "settings.h"
#include "main_window_harness.h"
#include "replace_file.h"
#include "settings_lock.h"
#include "settings_save.h"
#include "wide_text.h"
#include "writable_file.h"

namespace {

class SettingsFile : public testing::Test {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override { remove_settings(); }
  static int get(const char* key, int default_value) {
    return ini_get_int("Test", key, default_value, SETTINGS_FILE_NAME);
  }
  static void put(const char* key, const char* value) {
    ini_put_string("Test", key, value, SETTINGS_FILE_NAME);
  }
  static std::string get_text(const char* key, const char* default_value, int size = 32) {
    char out[64];
    memset(out, 'x', sizeof out);
    ini_get_string("Test", key, default_value, out, size, SETTINGS_FILE_NAME);
    return out;
  }
};

TEST_F(SettingsFile, WithoutFileEveryReadIsItsDefaultAndNothingIsCreated) {
  EXPECT_EQ(0, ini_exists(SETTINGS_FILE_NAME));
  EXPECT_EQ(1, ini_get_int("SOUND", "sound", 1, SETTINGS_FILE_NAME));
  EXPECT_EQ(-7, ini_get_int("Pos", "X", -7, SETTINGS_FILE_NAME));
  EXPECT_EQ("Player1", get_text("NAME", "Player1"));
  EXPECT_EQ(0, ini_exists(SETTINGS_FILE_NAME));
}

TEST_F(SettingsFile, ValuesWrittenReadBackTheSame) {
  put("zero", "0");
  put("positive", "754");
  put("negative", "-50");
  put("largest", "2147483647");
  put("smallest", "-2147483648");
  put("name", "たろう");
  put("bytes", "\x81\x7f" "A");   // no Shift-JIS character, kept as the bytes stand
  EXPECT_EQ(1, ini_exists(SETTINGS_FILE_NAME));
  EXPECT_EQ(0, get("zero", 9));
  EXPECT_EQ(754, get("positive", 9));
  EXPECT_EQ(-50, get("negative", 9));
  EXPECT_EQ(INT_MAX, get("largest", 9));
  EXPECT_EQ(INT_MIN, get("smallest", 9));
  EXPECT_EQ("たろう", get_text("name", "Player1"));
  EXPECT_EQ("\x81\x7f" "A", get_text("bytes", ""));
  EXPECT_EQ(9, get("absent", 9));
  put("positive", "12");
  EXPECT_EQ(12, get("positive", 9));
  EXPECT_EQ("[Test]\r\nzero=0\r\npositive=12\r\n", read_settings_text().substr(0, 29));
  const std::string long_key(100, 'k');   // past any name the program has: neither kept nor read as another
  put(long_key.c_str(), "lost");
  EXPECT_EQ("none", get_text(long_key.c_str(), "none"));
  EXPECT_EQ(std::string::npos, read_settings_text().find("lost"));
}

// A file as the program has always written it keeps every byte when each value is read
// and written back: texts go through the program's code page both ways. The name is
// 30 bytes in that code page, and a trail byte of 表 reads as a backslash.
TEST_F(SettingsFile, AFileAsWrittenBeforeReadsAndWritesBackByteForByte) {
  const std::string name = "あいうえおかきくけこさしすせ表";
  const std::string before = "[ShellLink]\r\nSTARTUP=0\r\nDESKTOP=1\r\nSTARTMENU=0\r\n[Pos]\r\nX=-50\r\nY=120\r\n"
                             "[PLAYER]\r\nNAME=" + name + "\r\n[Ranking01]\r\nNAME=" + name +
                             "\r\nYEAR=2026\r\nSECOND=95\r\n[Ranking02]\r\nNAME=ｱｲｳｴｵ\r\nSECOND=240\r\n";
  write_settings_text(before.c_str());
  const std::pair<const char*, const char*> keys[] = {
      {"ShellLink", "STARTUP"}, {"ShellLink", "DESKTOP"}, {"ShellLink", "STARTMENU"}, {"Pos", "X"}, {"Pos", "Y"},
      {"PLAYER", "NAME"}, {"Ranking01", "NAME"}, {"Ranking01", "YEAR"}, {"Ranking01", "SECOND"},
      {"Ranking02", "NAME"}, {"Ranking02", "SECOND"}};
  for (const auto& [section, key] : keys) {
    char value[32];
    ini_get_string(section, key, "", value, sizeof value, SETTINGS_FILE_NAME);
    ini_put_string(section, key, value, SETTINGS_FILE_NAME);
  }
  EXPECT_EQ(before, read_settings_text());
}

std::string utf16_bytes(const std::wstring& text) {
  return "\xff\xfe" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// Notepad's "Unicode" file reads as its text, a letter Shift-JIS cannot hold as "?",
// and stays UTF-16: a line written back as it reads keeps its letters, as the n-th
// line that reads the same, so a name a save moves to another section keeps them too.
TEST_F(SettingsFile, AUnicodeFileReadsAsItsTextAndStaysUnicode) {
  const std::wstring other = L"[Other]\r\nnote=한국 é\n\n[Test]\r\n", name = L"NAME=김たろう\r\n";
  put_file_bytes(settings_file(), utf16_bytes(other + name + L"X=-50"));
  const std::string read = get_text("NAME", "");
  EXPECT_EQ("?たろう", read);
  EXPECT_EQ(-50, get("X", 9));
  put("NAME", read.c_str());
  EXPECT_EQ(utf16_bytes(other + name + L"X=-50"), read_settings_text());
  EXPECT_EQ(1, settings_save([&](const char* file) {
    return ini_put_string("Test", "NAME", "太郎", file) & ini_put_string("Moved", "NAME", read.c_str(), file);
  }));
  EXPECT_EQ(utf16_bytes(other + L"NAME=太郎\r\nX=-50\r\n[Moved]\r\n" + name), read_settings_text());
}

TEST_F(SettingsFile, ValuesTheProgramNeverWritesReadAsANumberOrTheDefault) {
  const std::pair<std::string, int> cases[] = {
      {"", 9},          {"abc", 9},          {"   42", 42},        {"+17", 17},
      {"12abc", 12},    {"-", 9},            {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
      {"0000000000000000000000000005", 5}, {"0x10", 0},       {"- 3", 9},
      {"2147483648", INT_MAX}, {"-2147483649", INT_MIN}, {std::string(300, '9'), INT_MAX}};
  for (const auto& [value, expected] : cases) {
    write_settings_text(("[Test]\r\nkey=" + value + "\r\n").c_str());
    EXPECT_EQ(expected, get("key", 9)) << "key=" << value;
  }
}

TEST_F(SettingsFile, AnEmptyTextIsEmptyAndALongOneIsCutAndTerminated) {
  write_settings_text("[Test]\r\nempty=\r\nlong=abcdefghijklmnopqrstuvwxyz0123456789\r\n");
  EXPECT_EQ("", get_text("empty", "Player1"));
  EXPECT_EQ("Player1", get_text("absent", "Player1"));
  EXPECT_EQ("abcdefghijklmnopqrstuvwxyz01234", get_text("long", ""));
  EXPECT_EQ("abcd", get_text("long", "", 5));
}

// 31 bytes of room: fifteen double-byte characters fill 30, so the sixteenth, which
// would need bytes 31 and 32, must go whole rather than leave its lead byte behind.
TEST_F(SettingsFile, ALongJapaneseTextLosesWholeCharactersOnly) {
  const std::string sixteen = "あいうえおかきくけこさしすせそた";
  ASSERT_EQ(32u, sixteen.size());
  put("name", sixteen.c_str());
  EXPECT_EQ(sixteen.substr(0, 30), get_text("name", ""));
  put("name", ("a" + sixteen).c_str());
  EXPECT_EQ(("a" + sixteen).substr(0, 31), get_text("name", ""));
}

FILETIME written_at(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

// Asking whether the settings will be kept writes nothing: the file keeps its bytes
// and its time, and no other file comes or stays in the folder.
TEST_F(SettingsFile, WritableOnlyWhereAWriteWouldBeKeptAndAskingLeavesNoFileBehind) {
  const std::vector<std::string> before = files_beside_program();
  EXPECT_EQ(1, ini_writable(SETTINGS_FILE_NAME));   // no file yet, in a folder that takes one
  EXPECT_EQ(before, files_beside_program());

  write_settings_text("[Pos]\r\nX=100\r\n");
  const std::string path = settings_path();
  FILETIME old_time = {0x12345678, 0x01d00000};   // long ago, so a touch would show
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &old_time);
  CloseHandle(file);
  EXPECT_EQ(1, ini_writable(SETTINGS_FILE_NAME));
  const FILETIME checked_time = written_at(path);
  EXPECT_EQ(0, CompareFileTime(&old_time, &checked_time));
  EXPECT_EQ("[Pos]\r\nX=100\r\n", read_settings_text());

  // As root, Wine writes a file marked read-only; a reader that lets others only
  // read keeps every writer out, as on Windows.
  HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, reader);
  EXPECT_EQ(0, ini_writable(SETTINGS_FILE_NAME));
  CloseHandle(reader);

  remove_settings();
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));   // a folder where the file should be
  EXPECT_EQ(0, ini_writable(SETTINGS_FILE_NAME));
  RemoveDirectoryA(path.c_str());

  // Where no file can be made: under a file, and in a folder that refuses one even
  // to root (the kernel's /sys, through Wine's drive for the whole file system).
  write_settings_text("");
  EXPECT_EQ(0, file_writable((settings_file() + L"\\kotopai.ini").c_str()));
  if (GetFileAttributesA("Z:\\sys\\kernel") == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no Z:\\sys";
  EXPECT_EQ(0, file_writable(L"Z:\\sys\\kotopai.ini"));
}

// Holds a file as another program would, for 80 ms: longer than a few of a save's
// tries, far less than all of them; or for longer than all of them.
std::thread held_for_a_moment(const std::wstring& path, DWORD how, DWORD share = 0, DWORD ms = 80) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, how, 0, nullptr);
  return std::thread([file, ms] {
    Sleep(ms);
    CloseHandle(file);
  });
}

// Holds the saves' turn as another copy of the game would: lets go once a message
// sent to answering is answered, or after ms.
std::thread turn_held(const std::wstring& lock, HWND answering, DWORD ms) {
  HANDLE turn = CreateFileW(lock.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  return std::thread([=] {
    if (!answering || !SendMessageTimeoutW(answering, WM_NULL, 0, 0, SMTO_NORMAL, ms, nullptr)) Sleep(ms);
    CloseHandle(turn);
  });
}

// Wine refuses the rename through the handle: the class and the bytes it is handed.
std::string rename_handed;
BOOL WINAPI refused_rename(HANDLE, FILE_INFO_BY_HANDLE_CLASS kind, LPVOID info, DWORD size) {
  rename_handed = std::string(reinterpret_cast<const char*>(&kind), 4) + std::string(static_cast<const char*>(info), size);
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

// A save whose file or copy another program holds for a moment is kept once it is let
// go; one that cannot be kept leaves the file as it was, tells why, and leaves no copy.
TEST_F(SettingsFile, ASaveIsKeptWholeOrLostWholeAndSaysWhy) {
  const std::wstring copy = settings_file().substr(0, settings_file().rfind(L'\\') + 1) + L"kotopai.new";
  const std::wstring lock = copy.substr(0, copy.size() - 3) + L"lck";
  // A window of this thread, which answers while its save waits for the turn.
  HWND answering = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  const DWORD system_quiet = settings_lock_quiet_ms;
  settings_lock_quiet_ms = 2000;
  const std::string before = "[Pos]\r\nX=100\r\n";
  struct Case {
    const char* what;
    std::function<std::thread()> around;   // what stands beside the file as the save starts
    const char* key;
    int kept;
    FileFault fault;
  };
  const Case cases[] = {
      {"the file held", [&] { return held_for_a_moment(settings_file(), OPEN_EXISTING); }, "Y", 1, SAVE_OK},
      {"the file held throughout", [&] { return held_for_a_moment(settings_file(), OPEN_EXISTING, FILE_SHARE_READ, 1500); }, "Y", 0, SAVE_HELD},
      {"the copy held", [&] { return held_for_a_moment(copy, CREATE_ALWAYS); }, "Y", 1, SAVE_OK},
      {"a read-only copy left", [&] { put_file_bytes(copy, "x"); SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_READONLY); return std::thread(); }, "Y", 1, SAVE_OK},
      {"an empty folder of the copy's name", [&] { CreateDirectoryW(copy.c_str(), nullptr); return std::thread(); }, "Y", 1, SAVE_OK},
      {"a folder of the copy's name holding a file", [&] { CreateDirectoryW(copy.c_str(), nullptr); put_file_bytes(copy + L"\\f", ""); return std::thread(); }, "Y", 0, SAVE_COPY_IN_THE_WAY},
      {"a key too long to write", [] { return std::thread(); }, "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk", 0, SAVE_NO_ROOM},
      {"the rename through the handle refused", [] { rename_by_handle = refused_rename; return std::thread(); }, "Y", 1, SAVE_OK},
      {"the turn held until the window answers", [&] { return turn_held(lock, answering, 5000); }, "Y", 1, SAVE_OK},
      {"the turn held throughout", [&] { return turn_held(lock, nullptr, 3000); }, "Y", 0, SAVE_LOCK_HELD},
      {"a folder of the turn's name holding a file", [&] { CreateDirectoryW(lock.c_str(), nullptr); put_file_bytes(lock + L"\\f", ""); return std::thread(); }, "Y", 0, SAVE_LOCK_IN_THE_WAY},
      {"a whole copy in the file's place, held", [&] { MoveFileW(settings_file().c_str(), copy.c_str()); return held_for_a_moment(copy, OPEN_EXISTING); }, "Y", 1, SAVE_OK},
  };
  const RenameByHandle system_rename = rename_by_handle;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    write_settings_text(before.c_str());
    settings_save_fault = SAVE_OK;
    std::thread holder = c.around();
    EXPECT_EQ(c.kept, settings_save([&](const char* name) { return ini_put_string("Pos", c.key, "7", name); }));
    if (holder.joinable()) holder.join();
    rename_by_handle = system_rename;
    EXPECT_EQ(c.kept ? before + "Y=7\r\n" : before, read_settings_text());
    EXPECT_EQ(c.fault, settings_save_fault);
    for (const std::wstring& folder : {copy, lock}) {
      DeleteFileW((folder + L"\\f").c_str());
      RemoveDirectoryW(folder.c_str());
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(copy.c_str())) << "a copy left behind";
  }
  // FileRenameInfoEx (22), then FILE_RENAME_INFO as it lies on 32-bit Windows: Flags
  // (replace 1, POSIX semantics 2), RootDirectory, FileNameLength (the name's bytes
  // without its NUL), then the name from byte 12, NUL-terminated.
  const std::wstring to = settings_file() + L'\0';
  const DWORD head[] = {22, 3, 0, 2 * to.size() - 2};
  const std::string handed = std::string(reinterpret_cast<const char*>(head), 16) + std::string(reinterpret_cast<const char*>(to.data()), 2 * to.size());
  EXPECT_EQ(handed, rename_handed.substr(0, handed.size()));
  settings_lock_quiet_ms = system_quiet;
  DestroyWindow(answering);
}

// Wine answers a sharing violation where Windows, with a delete pending on the lock
// file, answers access denied to an open of it and to a look at it alike.
TEST_F(SettingsFile, TheTurnIsWaitedForWhileItsFileGoesAndItsFileStaysWhileHeld) {
  EXPECT_EQ(LOCK_TRY_AGAIN, settings_lock_answer(ERROR_ACCESS_DENIED, INVALID_FILE_ATTRIBUTES, ERROR_ACCESS_DENIED));
  EXPECT_EQ(LOCK_NO_ROOM, settings_lock_answer(ERROR_ACCESS_DENIED, INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND));
  // Held, the file cannot be renamed away, so no other copy finds its name free and takes a turn at once.
  FileFault fault;
  const HANDLE turn = settings_lock_take(settings_file().c_str(), &fault);
  ASSERT_NE(nullptr, turn);
  const std::wstring lock = settings_file().substr(0, settings_file().size() - 3) + L"lck";
  EXPECT_FALSE(MoveFileW(lock.c_str(), (lock + L"2").c_str()));
  settings_lock_release(turn);
  DeleteFileW((lock + L"2").c_str());
}

TEST(DbcsCopy, KeepsWholeCharactersAndMendsAHalfOneAtTheEnd) {
  char out[8];
  dbcs_copy(out, sizeof out, "ab表c");  // 表 has a trail byte that looks like a backslash
  EXPECT_STREQ("ab表c", out);
  dbcs_copy(out, 4, "ab表c");
  EXPECT_STREQ("ab", out);
  dbcs_copy(out, sizeof out, "ab\x82");  // a lead byte with no trail byte
  EXPECT_STREQ("ab", out);
  dbcs_copy(out, 1, "abc");
  EXPECT_STREQ("", out);
  dbcs_copy(out, sizeof out, "ｱｲｳｴｵｶｷｸ");  // half-width kana are single bytes
  EXPECT_STREQ("ｱｲｳｴｵｶｷ", out);
}

TEST(WideCopy, CutsToTheBufferAndEndsInsideIt) {
  wchar_t out[6] = L"xxxxx";
  wide_copy_from_sjis("ab表cd", out, 4);
  EXPECT_EQ(std::wstring(L"ab表\0x", 5), std::wstring(out, 5));
}

// Wine's profile functions read a file of single bytes as Windows does: each key is
// found where they find it, and nowhere else.
TEST_F(SettingsFile, ReadsAsTheSystemsProfileFunctionsRead) {
  const char* const files[] = {
      "[Pos]\nX=1\nx=2\n[pos]\nX=3\nY=4\n[MODE]\n mode = ' 5 ' \n",
      "Y=0\n[Position]\nX=5\n[ Pos ]\nX=6\nY=\"8'\n[Pos]\n\tX\t=\t\"7\"\t\n[MODE]\nmode=\"\n",
      "\xef\xbb\xbf[pOS]\nx='9'\nY\n[Po]\nY=10\n[mode]\nMODE=''\n[MODE]\nmode=11",
      "[Po]\nX=12\n[Posi]\nY=13\n[MODE]\n\"mode\"=14\nmode=\"a\" b\"\n",
      "[Pos] ]\nX=15\n[MODE]x]\nmode=16\n[Pos]\nY=17\n[MODE]\nmode=18\n",
  };
  const std::pair<const char*, const char*> keys[] = {
      {"Pos", "X"}, {"pos", "y"}, {" POS ", "x "}, {"MODE", "mode"}, {"Po", "Y"}, {"Position", "X"}};
  int n = 0;
  for (const char* file : files)
    for (const char* line_end : {"\r\n", "\n", "\r"}) {
      std::string text = file;
      for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += std::strlen(line_end))
        text.replace(at, 1, line_end);
      const std::string path = settings_path() + std::to_string(++n);   // one each, so none is cached
      put_file_bytes(settings_file() + std::to_wstring(n), text);
      IniText split;
      ini_text_split(text, &split);
      for (const auto& [section, key] : keys) {
        char expected[64];
        GetPrivateProfileStringA(section, key, "<none>", expected, sizeof expected, path.c_str());
        std::string value = "<none>", in_split = "<none>";
        ini_text_get(text, section, key, &value);
        ini_text_get(split, section, key, &in_split);
        EXPECT_EQ(expected + std::string(", ") + expected, value + ", " + in_split) << section << "/" << key << " in\n" << text;
      }
      DeleteFileA(path.c_str());
    }
}

TEST_F(SettingsFile, IsFoundBesideTheProgramWhateverTheWorkingDirectory) {
  char old_directory[MAX_PATH], temp[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, old_directory);
  GetTempPathA(MAX_PATH, temp);
  ASSERT_TRUE(SetCurrentDirectoryA(temp));
  put("where", "beside");
  const bool in_temp = GetFileAttributesA("kotopai.ini") != INVALID_FILE_ATTRIBUTES;
  const std::string read = get_text("where", "lost");
  SetCurrentDirectoryA(old_directory);
  EXPECT_FALSE(in_temp);
  EXPECT_EQ("beside", read);
  EXPECT_NE(std::string::npos, read_settings_text().find("where=beside"));

  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string expected = module;
  expected = expected.substr(0, expected.rfind('\\') + 1) + "kotopai.ini";
  EXPECT_EQ(expected, settings_path());

  // 表 ends in the byte of a backslash in the code page; no room beside the program
  // leaves no file name.
  const std::wstring long_folder = L"C:\\" + std::wstring(LONG_PATH_SIZE - 10, L'd') + L"\\";
  const struct { std::wstring program, file; } places[] = {
      {L"C:\\games\\表.exe", L"C:\\games\\kotopai.ini"},
      {L"C:\\kotopai.exe", L"C:\\kotopai.ini"},
      {L"", L"kotopai.ini"},
      {long_folder + L"k.exe", long_folder},
  };
  for (const auto& place : places) {
    LongPath path;
    path_beside(place.program.c_str(), "kotopai.ini", &path);
    EXPECT_EQ(place.file, path.text) << place.program.size();
  }
}

}  // namespace
