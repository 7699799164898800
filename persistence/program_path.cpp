// Paths beside the running program, from its wide module path. The ANSI one would
// give a folder named outside the code page in a best-fit spelling that names no
// folder at all, and a long one cut short.
#include "program_path.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>

namespace {

// Where the folder's part of the path ends: just past its last backslash, or at the
// start when there is none.
size_t folder_length(const wchar_t* program) {
  const wchar_t* last = std::wcsrchr(program, L'\\');
  return last ? static_cast<size_t>(last - program) + 1 : 0;
}

}  // namespace

LongPath::LongPath() : text(static_cast<wchar_t*>(std::malloc(LONG_PATH_SIZE * sizeof(wchar_t)))),
                       size(LONG_PATH_SIZE) {
  if (!text) {
    text = none_;
    size = 1;
  }
  text[0] = L'\0';
}

LongPath::~LongPath() {
  if (text != none_) std::free(text);
}

void program_path(LongPath* path) {
  DWORD length = GetModuleFileNameW(nullptr, path->text, path->size);
  if (length == 0 || length >= static_cast<DWORD>(path->size)) length = 0;   // none, or not whole
  path->text[length] = L'\0';
}

void program_folder(LongPath* folder) {
  program_path(folder);
  size_t length = folder_length(folder->text);
  // "C:\" stays a root folder; any other folder loses its final backslash.
  if (length > 0 && !(length == 3 && folder->text[1] == L':')) --length;
  folder->text[length] = L'\0';
}

void path_beside(const wchar_t* program, const char* name, LongPath* path) {
  const size_t length = folder_length(program);
  if (length >= static_cast<size_t>(path->size)) {
    path->text[0] = L'\0';
    return;
  }
  std::wmemmove(path->text, program, length);
  const int room = path->size - static_cast<int>(length);
  if (MultiByteToWideChar(932, 0, name, -1, path->text + length, room) == 0)
    path->text[length] = L'\0';   // no room: the folder alone, no file
}

void path_beside_program(const char* name, LongPath* path) {
  program_path(path);
  path_beside(path->text, name, path);
}

void unlimited_path(const wchar_t* path, LongPath* out) {
  const size_t length = std::wcslen(path);
  const wchar_t* prefix = L"";
  const wchar_t* rest = path;
  const size_t size = static_cast<size_t>(out->size);
  if (length >= MAX_PATH && length + 8 < size) {
    if (path[0] && path[1] == L':' && path[2] == L'\\') {
      prefix = L"\\\\?\\";
    } else if (path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' && path[2] != L'.') {
      prefix = L"\\\\?\\UNC\\";
      rest = path + 2;
    }
  }
  // The path may be out's own text: it moves before the prefix is written.
  const size_t prefix_length = std::wcslen(prefix);
  const size_t rest_length = std::min(std::wcslen(rest), size - 1 - prefix_length);
  std::wmemmove(out->text + prefix_length, rest, rest_length);
  std::wmemcpy(out->text, prefix, prefix_length);
  out->text[prefix_length + rest_length] = L'\0';
}

const wchar_t* short_form(const wchar_t* path, LongPath* room) {
  unlimited_path(path, room);
  const DWORD length = GetShortPathNameW(room->text, room->text, room->size);
  if (length == 0 || length >= static_cast<DWORD>(room->size)) return nullptr;
  if (std::wcsncmp(room->text, L"\\\\?\\UNC\\", 8) == 0) {
    room->text[6] = L'\\';   // "\\?\UNC\server" reads "\\server" from here on
    return room->text + 6;
  }
  return room->text + (std::wcsncmp(room->text, L"\\\\?\\", 4) == 0 ? 4 : 0);
}

const wchar_t* short_enough_path(const wchar_t* path, LongPath* room) {
  if (std::wcslen(path) < MAX_PATH) return path;
  const wchar_t* form = short_form(path, room);
  return form && std::wcslen(form) < MAX_PATH ? form : nullptr;
}
