// A file's bytes, read or written whole.
#include "file_bytes.h"

DWORD file_read_whole(const wchar_t* path, std::string* bytes) {
  bytes->clear();
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_PATH_NOT_FOUND ? ERROR_FILE_NOT_FOUND : error;
  }
  LARGE_INTEGER size = {};
  DWORD error = ERROR_SUCCESS;
  // A file past a gigabyte is no settings file this program could have written.
  if (!GetFileSizeEx(file, &size) || size.QuadPart > (1 << 30)) error = ERROR_FILE_TOO_LARGE;
  else bytes->resize(static_cast<size_t>(size.QuadPart));
  size_t have = 0;
  while (error == ERROR_SUCCESS && have < bytes->size()) {
    DWORD got = 0;
    if (!ReadFile(file, &(*bytes)[have], static_cast<DWORD>(bytes->size() - have), &got, nullptr)) error = GetLastError();
    else if (got == 0) bytes->resize(have);   // cut short while read
    have += got;
  }
  CloseHandle(file);
  if (error != ERROR_SUCCESS) bytes->clear();
  return error;
}

bool file_put_all(HANDLE file, const std::string& bytes) {
  size_t put = 0;
  while (put < bytes.size()) {
    DWORD wrote = 0;
    const DWORD chunk = static_cast<DWORD>(bytes.size() - put < (1u << 20) ? bytes.size() - put : 1u << 20);
    if (!WriteFile(file, bytes.data() + put, chunk, &wrote, nullptr) || wrote == 0) return false;
    put += wrote;
  }
  return true;
}
