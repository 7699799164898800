// Copies of the game that use one settings file take turns at saving it. The turn is
// a file beside the settings, held open with no sharing while a save runs: the file
// system knows it for the same file however its path is spelled (the short form, a
// second drive letter, a network path, a junction) and whoever opens it (another
// user, a copy run as administrator), where a named object is met only by its name
// and in its own session. The file goes when its handle closes, and Windows closes
// the handles of a copy that was killed, so a dead copy never keeps the turn.
#include "settings_lock.h"

#include <cstring>

#include "program_path.h"
#include "settings_save.h"

namespace {

constexpr char LOCK_NAME[] = "kotopai.lck";   // as long as the file's name: it fits where that does
constexpr DWORD TRY_PAUSE_MS = 10;

// A save takes milliseconds, a large file on a slow stick or one that a scanner holds
// a few seconds. The copy waits as long as the holder is seen at work, the file or its
// copy changing; one that changes neither for this long is stuck (in a debugger, say),
// and rather than wait for ever the save is given up.
constexpr DWORD QUIET_MS = 10000;

struct Seen {
  WIN32_FILE_ATTRIBUTE_DATA file, copy;
};

void look(const wchar_t* file, const wchar_t* copy, Seen* seen) {
  ZeroMemory(seen, sizeof *seen);
  GetFileAttributesExW(file, GetFileExInfoStandard, &seen->file);
  GetFileAttributesExW(copy, GetFileExInfoStandard, &seen->copy);
}

// The file at path could not be opened: whether that is another copy's turn, or a
// lock file that is going as its holder lets go, rather than a folder that takes no
// file. A stray lock file marked read-only is cleared, to be taken at the next try.
bool held(const wchar_t* path, DWORD error) {
  if (error == ERROR_SHARING_VIOLATION) return true;
  if (error != ERROR_ACCESS_DENIED) return false;
  const DWORD attributes = GetFileAttributesW(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(path, attributes & ~FILE_ATTRIBUTE_READONLY);
  return true;
}

}  // namespace

HANDLE settings_lock_take(const wchar_t* path) {
  LongPath lock, copy, room;
  path_beside(path, LOCK_NAME, &lock);
  unlimited_path(lock.text, &lock);
  path_beside(path, SETTINGS_COPY_NAME, &room);
  unlimited_path(room.text, &copy);
  unlimited_path(path, &room);
  Seen before, now;
  look(room.text, copy.text, &before);
  DWORD quiet_since = GetTickCount();
  for (;;) {
    const HANDLE turn = CreateFileW(lock.text, GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (turn != INVALID_HANDLE_VALUE) return turn;
    if (!held(lock.text, GetLastError())) return nullptr;
    Sleep(TRY_PAUSE_MS);
    look(room.text, copy.text, &now);
    if (memcmp(&now, &before, sizeof now) != 0) {
      before = now;
      quiet_since = GetTickCount();
    } else if (GetTickCount() - quiet_since > QUIET_MS) {
      return nullptr;
    }
  }
}

void settings_lock_release(HANDLE lock) { CloseHandle(lock); }
