// Whether a file could be written, asked without writing it.
#include "writable_file.h"

#include <windows.h>
#include <stdio.h>

#include "program_path.h"

namespace {

constexpr int NAME_TRIES = 16;

// A file made new under a name no file there has (CREATE_NEW never opens one that
// exists) and gone when its handle closes, even should the program die first. The
// name is no longer than the settings file's, so it fits wherever that one does.
int folder_takes_new_file(const wchar_t* path) {
  const unsigned start = static_cast<unsigned>(GetCurrentProcessId() / 4);
  for (int n = 0; n < NAME_TRIES; ++n) {
    char name[16];
    snprintf(name, sizeof name, "~kp%04x.tmp", (start + n) & 0xffffu);
    LongPath probe;
    path_beside(path, name, &probe);
    HANDLE file = CreateFileW(probe.text, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      return 1;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) return 0;
  }
  return 0;
}

}  // namespace

// Opened for writing and deleting and closed untouched, the file keeps its bytes and
// its time; sharing everything, the open disturbs no one who has it open too. The
// read-only mark is asked for itself: Wine lets a root user write such a file.
FileFault file_fault(const wchar_t* path) {
  const DWORD attributes = GetFileAttributesW(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return SAVE_NO_ROOM;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return SAVE_READ_ONLY;
  HANDLE file = CreateFileW(path, GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  else if (GetLastError() == ERROR_SHARING_VIOLATION || GetLastError() == ERROR_LOCK_VIOLATION) return SAVE_HELD;
  else if (GetLastError() != ERROR_FILE_NOT_FOUND) return SAVE_NO_ROOM;
  return folder_takes_new_file(path) ? SAVE_OK : SAVE_NO_ROOM;
}

int file_writable(const wchar_t* path) { return file_fault(path) == SAVE_OK ? 1 : 0; }
