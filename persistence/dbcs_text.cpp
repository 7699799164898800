// Cutting Shift-JIS text to a buffer without splitting a double-byte character.
#include "dbcs_text.h"

#include <windows.h>
#include <cstring>

// Names are typed in Japanese; code page 932 is fixed because every text the
// program stores is Shift-JIS, whatever the system's ANSI code page says.
static bool is_lead_byte(char c) {
  return IsDBCSLeadByteEx(932, static_cast<BYTE>(c)) != 0;
}

void dbcs_copy(char* out, int out_size, const char* text) {
  if (out_size <= 0) return;
  int length = 0;
  const int limit = out_size - 1;
  while (text[length] != '\0') {
    int width = (is_lead_byte(text[length]) && text[length + 1] != '\0') ? 2 : 1;
    if (width == 1 && is_lead_byte(text[length])) break;  // half a character at the end
    if (length + width > limit) break;
    length += width;
  }
  if (out != text) memmove(out, text, length);
  out[length] = '\0';
}
