// Copies of the game that use one settings file take turns at saving it: a mutex
// named after the file, which every copy started from that folder finds.
#include "settings_lock.h"

#include <cstdint>

namespace {

// A save holds the turn for some milliseconds, up to about a second when the file
// is held by another program. A copy that holds it much longer is stuck (in a
// debugger, say): rather than wait for ever, the save is given up.
constexpr DWORD TURN_WAIT_MS = 5000;

constexpr wchar_t NAME_PREFIX[] = L"Local\\Kotopai.Settings.";
constexpr int HASH_DIGITS = 16;
constexpr int NAME_SIZE = sizeof NAME_PREFIX / sizeof NAME_PREFIX[0] + HASH_DIGITS;

// A mutex's name is short and holds no backslash, so it carries a hash of the path
// (64-bit FNV-1a), with the letters folded to one case as the file system matches
// names: the same folder spelled in another case is the same file.
void lock_name(const wchar_t* path, wchar_t* name) {
  uint64_t hash = 14695981039346656037ull;
  for (const wchar_t* c = path; *c; ++c) {
    wchar_t folded = *c;
    LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, c, 1, &folded, 1);
    hash = (hash ^ static_cast<uint16_t>(folded)) * 1099511628211ull;
  }
  wchar_t* end = name;
  for (const wchar_t* p = NAME_PREFIX; *p; ++p) *end++ = *p;
  for (int digit = HASH_DIGITS - 1; digit >= 0; --digit) *end++ = L"0123456789abcdef"[(hash >> (4 * digit)) & 15];
  *end = L'\0';
}

}  // namespace

HANDLE settings_lock_take(const wchar_t* path) {
  wchar_t name[NAME_SIZE];
  lock_name(path, name);
  HANDLE lock = CreateMutexW(nullptr, FALSE, name);
  if (!lock) return nullptr;
  // A copy killed in the middle of a save leaves the turn abandoned, and the file
  // whole: the turn is simply taken over.
  const DWORD waited = WaitForSingleObject(lock, TURN_WAIT_MS);
  if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) return lock;
  CloseHandle(lock);
  return nullptr;
}

void settings_lock_release(HANDLE lock) {
  ReleaseMutex(lock);
  CloseHandle(lock);
}
