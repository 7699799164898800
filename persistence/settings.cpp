// The settings file beside the executable: one key read or written per call.
#include "settings.h"

#include <windows.h>
#include <climits>
#include <cstring>

#include "dbcs_text.h"
#include "writable_file.h"

// Long enough for any number the program writes and for hand-edited values
// padded with many zeros; a longer value is cut by the profile reader.
constexpr int INT_TEXT_SIZE = 256;
// Texts are read whole and cut here, so the cut never splits a Japanese character.
constexpr int STRING_READ_SIZE = 4096;

// By hand rather than through the shell's path helpers, whose library would
// otherwise be loaded at start for this alone. CharNextA steps over double-byte
// characters, whose second byte may be a backslash.
void path_beside(const char* program_path, const char* file_name, char* path) {
  const char* folder_end = program_path;
  for (const char* p = program_path; *p; p = CharNextA(p))
    if (*p == '\\') folder_end = p + 1;
  size_t folder_length = static_cast<size_t>(folder_end - program_path);
  size_t name_length = std::strlen(file_name);
  if (folder_length + name_length >= MAX_PATH) name_length = 0;   // no room: the folder alone, no file
  std::memmove(path, program_path, folder_length);
  std::memcpy(path + folder_length, file_name, name_length);
  path[folder_length + name_length] = '\0';
}

void ini_path(const char* file_name, char* path) {
  // Looked up on every call: the working directory never decides where the file is.
  char program[MAX_PATH];
  if (GetModuleFileNameA(nullptr, program, MAX_PATH) == 0) program[0] = '\0';
  program[MAX_PATH - 1] = '\0';
  path_beside(program, file_name, path);
}

int ini_exists(const char* file_name) {
  char path[MAX_PATH];
  ini_path(file_name, path);
  return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

int ini_writable(const char* file_name) {
  char path[MAX_PATH];
  ini_path(file_name, path);
  return file_writable(path);
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
  char path[MAX_PATH];
  ini_path(file_name, path);
  char text[INT_TEXT_SIZE];
  // An absent key reads as the empty text, which has no digit: the default.
  GetPrivateProfileStringA(section, key, "", text, sizeof text, path);
  return parse_int(text, default_value);
}

void ini_get_string(const char* section, const char* key, const char* default_value,
                    char* out, int out_size, const char* file_name) {
  if (out_size <= 0) return;
  char path[MAX_PATH];
  ini_path(file_name, path);
  char text[STRING_READ_SIZE];
  GetPrivateProfileStringA(section, key, default_value, text, sizeof text, path);
  dbcs_copy(out, out_size, text);
}

void ini_put_string(const char* section, const char* key, const char* value, const char* file_name) {
  char path[MAX_PATH];
  ini_path(file_name, path);
  WritePrivateProfileStringA(section, key, value, path);
}
