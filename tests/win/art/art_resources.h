// Raw access to the pictures among the test program's own resources, as the game carries them.
#pragma once
#include <windows.h>

#include <cstdint>
#include "dib_pixels.h"

struct RawResource {
  const uint8_t* bytes;
  DWORD size;
};

RawResource raw_resource(int id, LPCSTR type);
