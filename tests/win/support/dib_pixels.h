// Reading the pixels of a packed DIB (header, colour table, rows stored bottom-up) as
// the program's resources and tile buffers hold them. Header only.
#pragma once
#include <windows.h>
#include <cstdint>

inline int32_t read_i32(const uint8_t* p) { return int32_t(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24); }
inline uint16_t read_u16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// Colour index of pixel (x, y), counted from the top left, of a 4- or 8-bit DIB with
// `colours` table entries.
inline int dib_index(const uint8_t* dib, int colours, int x, int y) {
  int width = read_i32(dib + 4), height = read_i32(dib + 8), bits = read_u16(dib + 14);
  int stride = ((width * bits + 31) / 32) * 4;
  const uint8_t* row = dib + 40 + 4 * colours + stride * (height - 1 - y);
  if (bits == 8) return row[x];
  return (x % 2) ? (row[x / 2] & 15) : (row[x / 2] >> 4);
}

// The RGB colour that table entry `index` names.
inline COLORREF table_color(const uint8_t* dib, int index) {
  const uint8_t* entry = dib + 40 + 4 * index;
  return RGB(entry[2], entry[1], entry[0]);
}
