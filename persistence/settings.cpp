// The settings file beside the executable: one key read or written per call.
#include "settings.h"

#include <windows.h>
#include <shlwapi.h>
#include <climits>

#include "dbcs_text.h"

// Long enough for any number the program writes and for hand-edited values
// padded with many zeros; a longer value is cut by the profile reader.
constexpr int INT_TEXT_SIZE = 256;
// Texts are read whole and cut here, so the cut never splits a Japanese character.
constexpr int STRING_READ_SIZE = 4096;

void ini_path(const char* file_name, char* path) {
  // Looked up on every call: the working directory never decides where the file is.
  if (GetModuleFileNameA(nullptr, path, MAX_PATH) == 0) path[0] = '\0';
  path[MAX_PATH - 1] = '\0';
  PathRemoveFileSpecA(path);
  PathAppendA(path, file_name);
}

int ini_exists(const char* file_name) {
  char path[MAX_PATH];
  ini_path(file_name, path);
  return PathFileExistsA(path) ? 1 : 0;
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
