// The one conversion between the program's Shift-JIS texts and Windows' UTF-16.
#include "wide_text.h"

#include <cstdlib>

namespace {

constexpr UINT SHIFT_JIS = 932;
wchar_t empty_text[1] = L"";

// One character of UTF-16 (a surrogate pair counts as one): its length in units.
int character_units(const wchar_t* text) {
  return (text[0] >= 0xD800 && text[0] <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF) ? 2 : 1;
}

// The character's Shift-JIS bytes in out (room for 2); 0 when Shift-JIS cannot hold
// it. A conversion that had to pick a look-alike or the default character does not
// read back as the same character, so it counts as refused too.
int sjis_character(const wchar_t* character, int units, char* out) {
  BOOL defaulted = FALSE;
  const int length = WideCharToMultiByte(SHIFT_JIS, 0, character, units, out, 2, nullptr, &defaulted);
  if (length <= 0 || defaulted) return 0;
  wchar_t back[2];
  if (MultiByteToWideChar(SHIFT_JIS, MB_ERR_INVALID_CHARS, out, length, back, 2) != units) return 0;
  for (int i = 0; i < units; ++i)
    if (back[i] != character[i]) return 0;
  return length;
}

}  // namespace

wchar_t* wide_from_sjis(const char* text) {
  if (!text) return empty_text;
  const int size = MultiByteToWideChar(SHIFT_JIS, 0, text, -1, nullptr, 0);
  if (size <= 0) return empty_text;
  wchar_t* wide = static_cast<wchar_t*>(std::malloc(size * sizeof(wchar_t)));
  if (!wide) return empty_text;
  if (MultiByteToWideChar(SHIFT_JIS, 0, text, -1, wide, size) <= 0) wide[0] = L'\0';
  return wide;
}

void wide_free(wchar_t* text) {
  if (text != empty_text) std::free(text);
}

void wide_copy_from_sjis(const char* text, wchar_t* out, int out_size) {
  wchar_t* wide = wide_from_sjis(text);
  int length = 0;
  while (wide[length] != L'\0') {
    const int units = character_units(wide + length);
    if (length + units > out_size - 1) break;
    length += units;
  }
  for (int i = 0; i < length; ++i) out[i] = wide[i];
  out[length] = L'\0';
  wide_free(wide);
}

std::string sjis_from_utf16(const std::string& utf16) {
  const int units = static_cast<int>(utf16.size() / 2);
  if (units == 0) return std::string();
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(utf16.data());
  const int size = WideCharToMultiByte(SHIFT_JIS, WC_NO_BEST_FIT_CHARS, wide, units, nullptr, 0, "?", nullptr);
  std::string sjis(size > 0 ? size : 0, '\0');
  if (size > 0) WideCharToMultiByte(SHIFT_JIS, WC_NO_BEST_FIT_CHARS, wide, units, &sjis[0], size, "?", nullptr);
  return sjis;
}

std::string utf16_from_sjis(const std::string& sjis) {
  const int bytes = static_cast<int>(sjis.size());
  const int units = bytes > 0 ? MultiByteToWideChar(SHIFT_JIS, 0, sjis.data(), bytes, nullptr, 0) : 0;
  std::string utf16(units > 0 ? 2 * units : 0, '\0');
  if (units > 0) MultiByteToWideChar(SHIFT_JIS, 0, sjis.data(), bytes, reinterpret_cast<wchar_t*>(&utf16[0]), units);
  return utf16;
}

void set_window_text_sjis(HWND window, const char* text) {
  wchar_t* wide = wide_from_sjis(text);
  SetWindowTextW(window, wide);
  wide_free(wide);
}

void set_item_text_sjis(HWND dialog, int item, const char* text) {
  set_window_text_sjis(GetDlgItem(dialog, item), text);
}

int message_box_sjis(HWND owner, const char* text, const char* caption, UINT type) {
  wchar_t* wide_text = wide_from_sjis(text);
  wchar_t* wide_caption = wide_from_sjis(caption);
  const int result = MessageBoxW(owner, wide_text, wide_caption, type);
  wide_free(wide_caption);
  wide_free(wide_text);
  return result;
}

int sjis_from_typed(const wchar_t* typed, char* out, int out_size, wchar_t* refused,
                    int refused_size) {
  int length = 0, refused_length = 0, refused_count = 0;
  bool full = false;
  for (const wchar_t* at = typed; *at != L'\0';) {
    const int units = character_units(at);
    char bytes[2];
    const int width = sjis_character(at, units, bytes);
    if (width == 0) {
      ++refused_count;
      if (refused_length + units <= refused_size - 1)
        for (int i = 0; i < units; ++i) refused[refused_length++] = at[i];
    } else if (!full && length + width <= out_size - 1) {
      for (int i = 0; i < width; ++i) out[length++] = bytes[i];
    } else {
      full = true;   // the name ends at the first character that does not fit
    }
    at += units;
  }
  out[length] = '\0';
  refused[refused_length] = L'\0';
  return refused_count;
}
