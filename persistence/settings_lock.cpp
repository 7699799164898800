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
#include "turn_wait.h"

// A save takes milliseconds, a large file on a slow stick or one that a scanner holds
// a few seconds. The copy waits as long as the holder is seen at work, the file or its
// copy changing; one that changes neither for this long is stuck (in a debugger, say),
// and rather than wait for ever the save is given up.
DWORD settings_lock_quiet_ms = 10000;

namespace {

constexpr DWORD TRY_PAUSE_MS = 10;

struct Seen {
  WIN32_FILE_ATTRIBUTE_DATA file, copy;
};

void look(const wchar_t* file, const wchar_t* copy, Seen* seen) {
  ZeroMemory(seen, sizeof *seen);
  GetFileAttributesExW(file, GetFileExInfoStandard, &seen->file);
  GetFileAttributesExW(copy, GetFileExInfoStandard, &seen->copy);
}

void lock_path(const wchar_t* path, LongPath* lock) {
  LongPath beside;
  path_beside(path, SETTINGS_LOCK_NAME, &beside);
  unlimited_path(beside.text, lock);
}

// The lock's open failed: whether to try again. An empty folder of its name and a
// stray lock file marked read-only are cleared, to be taken at the next try.
LockAnswer after_failed_open(const wchar_t* lock, DWORD open_error) {
  const DWORD attributes = GetFileAttributesW(lock);
  const LockAnswer answer = settings_lock_answer(open_error, attributes, GetLastError());
  if (answer == LOCK_FOLDER && RemoveDirectoryW(lock)) return LOCK_TRY_AGAIN;
  if (answer == LOCK_TRY_AGAIN && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(lock, attributes & ~FILE_ATTRIBUTE_READONLY);
  return answer;
}

}  // namespace

// Another copy's turn, or a lock file going as its holder lets go, is waited for. While
// a delete is pending on the file, Windows answers access denied to an open of it and
// to a look at it alike. Access denied with no file there is a folder that takes none.
LockAnswer settings_lock_answer(DWORD open_error, DWORD attributes, DWORD look_error) {
  if (open_error == ERROR_SHARING_VIOLATION) return LOCK_TRY_AGAIN;
  if (open_error != ERROR_ACCESS_DENIED) return LOCK_NO_ROOM;
  if (attributes == INVALID_FILE_ATTRIBUTES) return look_error == ERROR_ACCESS_DENIED ? LOCK_TRY_AGAIN : LOCK_NO_ROOM;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? LOCK_FOLDER : LOCK_TRY_AGAIN;
}

HANDLE settings_lock_take(const wchar_t* path, FileFault* fault, const bool* done) {
  LongPath lock, copy, room;
  lock_path(path, &lock);
  path_beside(path, SETTINGS_COPY_NAME, &room);
  unlimited_path(room.text, &copy);
  unlimited_path(path, &room);
  Seen before, now;
  look(room.text, copy.text, &before);
  DWORD quiet_since = GetTickCount();
  TurnWait wait;
  turn_wait_begin(&wait);
  HANDLE turn = nullptr;
  *fault = SAVE_OK;
  while (!(done && *done)) {
    turn = CreateFileW(lock.text, GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                       nullptr);
    if (turn != INVALID_HANDLE_VALUE) break;
    turn = nullptr;
    const LockAnswer answer = after_failed_open(lock.text, GetLastError());
    if (answer != LOCK_TRY_AGAIN) {
      *fault = answer == LOCK_FOLDER ? SAVE_LOCK_IN_THE_WAY : SAVE_NO_ROOM;
      break;
    }
    turn_wait_pause(&wait, TRY_PAUSE_MS);
    look(room.text, copy.text, &now);
    if (memcmp(&now, &before, sizeof now) != 0) {
      before = now;
      quiet_since = GetTickCount();
    } else if (GetTickCount() - quiet_since > settings_lock_quiet_ms) {
      *fault = SAVE_LOCK_HELD;
      break;
    }
  }
  turn_wait_end(&wait);
  return turn;
}

void settings_lock_release(HANDLE lock) { CloseHandle(lock); }

// Opened for reading and shared for everything, the file is met by a holder's lock,
// which shares nothing; a stray one no one holds is closed untouched.
FileFault settings_lock_fault(const wchar_t* path) {
  LongPath lock;
  lock_path(path, &lock);
  const DWORD attributes = GetFileAttributesW(lock.text);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return RemoveDirectoryW(lock.text) ? SAVE_OK : SAVE_LOCK_IN_THE_WAY;
  HANDLE file = CreateFileW(lock.text, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION ? SAVE_LOCK_HELD : SAVE_OK;
}
