// The settings file beside the executable: one key read or written per call.
#include "settings.h"

#include <windows.h>
#include <climits>
#include <cstring>
#include <cwchar>

#include "dbcs_text.h"
#include "program_path.h"
#include "writable_file.h"

// Long enough for any number the program writes and for hand-edited values
// padded with many zeros; a longer value is cut by the profile reader.
constexpr int INT_TEXT_SIZE = 256;
// Texts are read whole and cut here, so the cut never splits a Japanese character.
constexpr int STRING_READ_SIZE = 4096;
// Sections and keys are the program's own short names.
constexpr int KEY_SIZE = 64;

// The profile functions are handed the path in UTF-16, so a folder named in any
// language is found; sections, keys and values go both ways through the process's
// code page, as the ANSI profile functions would take them, so the file's bytes are
// what they always were.
namespace {

// False, with out empty, for a text that does not fit.
bool widen(const char* text, wchar_t* out, int size) {
  if (MultiByteToWideChar(CP_ACP, 0, text, -1, out, size) != 0) return true;
  out[0] = L'\0';
  return false;
}

void narrow(const wchar_t* text, char* out, int size) {
  if (WideCharToMultiByte(CP_ACP, 0, text, -1, out, size, nullptr, nullptr) == 0) out[0] = '\0';
}

// The section and key of one call, in UTF-16; a name too long for them is not read or
// written at all, rather than as another.
struct WideKey {
  wchar_t section[KEY_SIZE], key[KEY_SIZE];
  bool whole;
  WideKey(const char* section_text, const char* key_text) {
    const bool section_whole = widen(section_text, section, KEY_SIZE);
    whole = section_whole && widen(key_text, key, KEY_SIZE);
  }
};

}  // namespace

void ini_path(const char* file_name, LongPath* path) {
  // Looked up on every call: the working directory never decides where the file is.
  path_beside_program(file_name, path);
}

// The profile functions promise nothing past MAX_PATH, with or without the prefix
// that lifts the file functions' limit; Wine's make the full path in a buffer of
// MAX_PATH and, for a longer one, write nowhere and report success. So a longer path
// goes through its folder's short form, which names the same file. A name without a
// folder would be looked for in the Windows folder.
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
  LongPath path;
  const int fits = ini_file_path(file_name, &path);
  const WideKey wide(section, key);
  wchar_t text[INT_TEXT_SIZE] = L"";
  // An absent key reads as the empty text, which has no digit: the default.
  if (wide.whole && fits)
    GetPrivateProfileStringW(wide.section, wide.key, L"", text, INT_TEXT_SIZE, path.text);
  char digits[2 * INT_TEXT_SIZE];
  narrow(text, digits, sizeof digits);
  return parse_int(digits, default_value);
}

void ini_get_string(const char* section, const char* key, const char* default_value,
                    char* out, int out_size, const char* file_name) {
  if (out_size <= 0) return;
  LongPath path;
  const int fits = ini_file_path(file_name, &path);
  const WideKey wide(section, key);
  wchar_t wide_default[STRING_READ_SIZE], text[STRING_READ_SIZE];
  widen(default_value, wide_default, STRING_READ_SIZE);
  if (!wide.whole || !fits) wcscpy(text, wide_default);
  else GetPrivateProfileStringW(wide.section, wide.key, wide_default, text, STRING_READ_SIZE, path.text);
  char bytes[2 * STRING_READ_SIZE];   // a character takes at most two bytes in the code page
  narrow(text, bytes, sizeof bytes);
  dbcs_copy(out, out_size, bytes);
}

int ini_put_string(const char* section, const char* key, const char* value, const char* file_name) {
  LongPath path;
  const int fits = ini_file_path(file_name, &path);
  const WideKey wide(section, key);
  wchar_t wide_value[STRING_READ_SIZE];
  if (!wide.whole || !widen(value, wide_value, STRING_READ_SIZE) || !fits) return 0;
  return WritePrivateProfileStringW(wide.section, wide.key, wide_value, path.text) ? 1 : 0;
}

void ini_let_go() { WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr); }

// A read makes the file the one used last.
void ini_forget(const char* file_name) {
  LongPath path;
  if (!ini_file_path(file_name, &path)) return;
  wchar_t none[1];
  GetPrivateProfileStringW(L"", L"", L"", none, 1, path.text);
  ini_let_go();
}
