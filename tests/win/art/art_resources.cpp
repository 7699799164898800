// Raw resource access shared by the art tests.
#include "art_resources.h"

RawResource raw_resource(int id, LPCSTR type) {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(id), type);
  if (!found) return {nullptr, 0};
  return {static_cast<const uint8_t*>(LockResource(LoadResource(self, found))),
          SizeofResource(self, found)};
}

int dib_index(const uint8_t* dib, int colours, int x, int y) {
  int width = read_i32(dib + 4), height = read_i32(dib + 8), bits = read_u16(dib + 14);
  int stride = ((width * bits + 31) / 32) * 4;
  const uint8_t* row = dib + 40 + 4 * colours + stride * (height - 1 - y);
  if (bits == 8) return row[x];
  return (x % 2) ? (row[x / 2] & 15) : (row[x / 2] >> 4);
}
