// Saving to the settings file: the keys are written into a copy of the file, which
// is flushed to the disk and then renamed over the file. Killed at any moment, or
// with the power cut, the file is never absent, empty or half written; a copy left
// behind is only ever written over by the next save, never read as settings.
#include "settings_save.h"

#include <windows.h>

#include "program_path.h"
#include "settings.h"
#include "settings_lock.h"

int settings_saves_lost = 0;

namespace {

// A virus scanner, a backup program or another copy of the game reading the file
// holds it, or the new copy, for a moment: a step is tried again for about half a
// second before the save is given up.
constexpr int STEP_TRIES = 26;
constexpr DWORD STEP_PAUSE_MS = 20;

template <typename Step>
bool tried(Step step) {
  for (int n = 1;; ++n) {
    if (step()) return true;
    if (n == STEP_TRIES) return false;
    Sleep(STEP_PAUSE_MS);
  }
}

// The copy starts as the file is now, byte for byte, or empty when there is none
// yet. Made anew each time, so a copy that a killed save left behind is written over,
// and its modified time is now, never one the profile cache knows it by. file_time:
// when the file was last written; no_room: the folder refuses the copy for good, as
// one that cannot be written does, where a copy held for a moment may be made later.
bool copy_whole(const wchar_t* file, const wchar_t* copy, FILETIME* file_time, bool* no_room) {
  HANDLE from = CreateFileW(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (from == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
  if (from != INVALID_HANDLE_VALUE) GetFileTime(from, nullptr, nullptr, file_time);
  HANDLE to = CreateFileW(copy, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (to == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    *no_room = error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION;
  }
  bool whole = to != INVALID_HANDLE_VALUE;
  char buffer[4096];
  DWORD got = 0;
  while (whole && from != INVALID_HANDLE_VALUE) {
    if (!ReadFile(from, buffer, sizeof buffer, &got, nullptr)) whole = false;
    else if (got == 0) break;
    else {
      DWORD put = 0;
      whole = WriteFile(to, buffer, got, &put, nullptr) && put == got;
    }
  }
  if (to != INVALID_HANDLE_VALUE) CloseHandle(to);
  if (from != INVALID_HANDLE_VALUE) CloseHandle(from);
  return whole;
}

// copy_time: when the copy was last written.
bool flushed(const wchar_t* copy, FILETIME* copy_time) {
  HANDLE file = CreateFileW(copy, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool done = FlushFileBuffers(file) && GetFileTime(file, nullptr, nullptr, copy_time);
  CloseHandle(file);
  return done;
}

// Inside the turn, so no other copy of the game reads the file, copies it or puts
// its own copy in place between this save's copy and its rename.
int save_in_turn(const SettingsWrite& write, const wchar_t* file, const wchar_t* copy) {
  FILETIME file_time = {}, copy_time = {};
  // A folder that takes no file loses the save at once: no wait would change it.
  bool no_room = false;
  if (!tried([&] { return copy_whole(file, copy, &file_time, &no_room) || no_room; }) || no_room) {
    DeleteFileW(copy);
    return 0;
  }
  int kept = write(SETTINGS_COPY_NAME);
  // Whatever the profile functions still hold of the copy, the file they used last,
  // reaches it now, and nothing of it is left to be written there after the rename.
  ini_let_go();
  kept = kept && tried([&] { return flushed(copy, &copy_time); }) &&
         tried([&] { return MoveFileExW(copy, file, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0; });
  if (!kept) DeleteFileW(copy);
  // A cache that holds the old file would take the new one for it only if both were
  // written in one tick of the clock: then it must read the file again.
  if (kept && CompareFileTime(&file_time, &copy_time) == 0) ini_forget(SETTINGS_FILE_NAME);
  return kept;
}

}  // namespace

int settings_save(const SettingsWrite& write) {
  LongPath file, copy;
  int kept = 0;
  if (ini_file_path(SETTINGS_FILE_NAME, &file) && ini_file_path(SETTINGS_COPY_NAME, &copy)) {
    if (HANDLE lock = settings_lock_take(file.text)) {
      kept = save_in_turn(write, file.text, copy.text);
      settings_lock_release(lock);
    }
  }
  if (!kept) ++settings_saves_lost;
  return kept;
}
