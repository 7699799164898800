// The settings file beside the executable: one key read or written per call, over the
// file's bytes, so a file written on a Japanese system reads the same on any other.
#include "settings.h"

#include <windows.h>
#include <climits>
#include <cstring>
#include <cwchar>

#include "dbcs_text.h"
#include "file_bytes.h"
#include "ini_encoding.h"
#include "ini_text.h"
#include "program_path.h"
#include "writable_file.h"

// Sections and keys are the program's own short names: a longer one is not read or
// written at all, rather than as another.
constexpr size_t KEY_SIZE = 64;

namespace {

// The text a save holds in memory, and the name it goes by.
const char* memory_name = nullptr;
IniText* memory_text = nullptr;

bool names_fit(const char* section, const char* key) {
  return std::strlen(section) < KEY_SIZE && std::strlen(key) < KEY_SIZE;
}

bool in_memory(const char* file_name) { return memory_text && std::strcmp(file_name, memory_name) == 0; }

// The value in a save's text, or in the file's bytes as they are now (none where the
// path does not fit or the file cannot be read).
bool value_of(const char* section, const char* key, const char* file_name, std::string* value) {
  if (in_memory(file_name)) return ini_text_get(*memory_text, section, key, value);
  LongPath path;
  std::string text;
  return ini_file_path(file_name, &path) && ini_read_text(path.text, &text, nullptr) == ERROR_SUCCESS &&
         ini_text_get(text, section, key, value);
}

// The value as read: the default where the file has none, with trailing blanks
// dropped and, as a value's, a pair of matching quotes around it.
std::string value_or_default(const char* section, const char* key, const char* default_value, const char* file_name) {
  std::string value;
  if (names_fit(section, key) && value_of(section, key, file_name, &value)) return value;
  std::string fallback = default_value;
  while (fallback.size() > 1 && fallback.back() == ' ') fallback.pop_back();
  const size_t size = fallback.size();
  if (size >= 2 && (fallback[0] == '"' || fallback[0] == '\'') && fallback[size - 1] == fallback[0])
    fallback = fallback.substr(1, size - 2);
  return fallback;
}

// Outside a save, a value goes straight into the file, written over in place.
int put_in_file(const char* section, const char* key, const char* value, const char* file_name) {
  LongPath path;
  std::string text;
  IniEncoding encoding;
  if (!ini_file_path(file_name, &path)) return 0;
  const DWORD error = ini_read_text(path.text, &text, &encoding);
  if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND) return 0;
  const std::string before = text;
  ini_text_put(&text, section, key, value);
  if (text == before && error == ERROR_SUCCESS) return 1;
  HANDLE file = CreateFileW(path.text, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  const bool written = file_put_all(file, ini_bytes_of_text(text, encoding)) && SetEndOfFile(file);
  CloseHandle(file);
  return written ? 1 : 0;
}

}  // namespace

void ini_path(const char* file_name, LongPath* path) {
  // Looked up on every call: the working directory never decides where the file is.
  path_beside_program(file_name, path);
}

// A path past MAX_PATH goes through its folder's short form, which names the same
// file, so whatever the settings are handed works where the file functions want no
// longer path. A name without a folder would be looked for in the working directory.
int ini_file_path(const char* file_name, LongPath* path) {
  ini_path(file_name, path);
  if (std::wcschr(path->text, L'\\') == nullptr) return 0;
  if (std::wcslen(path->text) < MAX_PATH) return 1;
  LongPath folder, room;
  program_folder(&folder);
  const wchar_t* form = short_form(folder.text, &room);
  const size_t length = form ? std::wcslen(form) : 0;
  if (!form || length + 2 > static_cast<size_t>(folder.size)) return 0;
  // The folder's short form, then a backslash to put the name after.
  std::wmemmove(folder.text, form, length);
  folder.text[length] = L'\\';
  folder.text[length + 1] = L'\0';
  path_beside(folder.text, file_name, path);
  return std::wcslen(path->text) < MAX_PATH ? 1 : 0;
}

int ini_exists(const char* file_name) {
  LongPath path;
  if (!ini_file_path(file_name, &path)) unlimited_path(path.text, &path);
  return GetFileAttributesW(path.text) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

int ini_writable(const char* file_name) {
  LongPath path;
  return ini_file_path(file_name, &path) && file_writable(path.text);
}

// How a value reads as an integer, for values the program never writes too:
// blanks before it are skipped, then an optional "+" or "-", then decimal digits;
// reading stops at the first other character ("12abc" is 12). Text with no digit
// there (empty, letters, a lone sign) gives the default. A number beyond the 32-bit
// range is clamped to INT_MIN or INT_MAX, so a huge time still sorts as huge.
static int parse_int(const char* text, int default_value) {
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  if (*p < '0' || *p > '9') return default_value;
  long long value = 0;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > limit) value = limit;  // stays clamped however many digits follow
  }
  return static_cast<int>(negative ? -value : value);
}

int ini_get_int(const char* section, const char* key, int default_value, const char* file_name) {
  // An absent key reads as the empty text, which has no digit: the default.
  return parse_int(value_or_default(section, key, "", file_name).c_str(), default_value);
}

void ini_get_string(const char* section, const char* key, const char* default_value,
                    char* out, int out_size, const char* file_name) {
  if (out_size <= 0) return;
  dbcs_copy(out, out_size, value_or_default(section, key, default_value, file_name).c_str());
}

int ini_put_string(const char* section, const char* key, const char* value, const char* file_name) {
  if (!names_fit(section, key)) return 0;
  if (!in_memory(file_name)) return put_in_file(section, key, value, file_name);
  ini_text_put(memory_text, section, key, value);
  return 1;
}

void ini_in_memory(const char* file_name, IniText* text) {
  memory_name = file_name;
  memory_text = text;
}
