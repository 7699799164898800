// Raw access to the pictures among the test program's own resources, as the game carries them.
#pragma once
#include <windows.h>

#include <cstdint>

struct RawResource {
  const uint8_t* bytes;
  DWORD size;
};

RawResource raw_resource(int id, LPCSTR type);

inline int32_t read_i32(const uint8_t* p) { return int32_t(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24); }
inline uint16_t read_u16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// Colour index of pixel (x, y), counted from the top, of a packed DIB with `colours` entries.
int dib_index(const uint8_t* dib, int colours, int x, int y);
