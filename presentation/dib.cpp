// Palette bitmaps: colour counts, logical palettes and painting of packed DIBs
// found among the program's own bitmap resources.
#include "dib.h"
#include <cstring>

namespace {

int read_int(const unsigned char* bytes, int offset) {
  int value;
  std::memcpy(&value, bytes + offset, sizeof value);
  return value;
}

int read_short(const unsigned char* bytes, int offset) {
  unsigned short value;
  std::memcpy(&value, bytes + offset, sizeof value);
  return value;
}

}  // namespace

// The loaded resource is read-only: whoever needs to change pixels copies it first.
const unsigned char* dib_resource(int resource_id, int* size) {
  if (size) *size = 0;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource_id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD bytes = SizeofResource(module, found);
  if (!loaded || bytes < sizeof(BITMAPINFOHEADER)) return nullptr;
  if (size) *size = static_cast<int>(bytes);
  return static_cast<const unsigned char*>(LockResource(loaded));
}

int packed_dib_color_count(const unsigned char* dib) {
  if (!dib) return 0;
  int colors_used = read_int(dib, 32);
  if (colors_used != 0) return colors_used;
  switch (read_short(dib, 14)) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

HPALETTE dib_make_palette(int resource_id, int* color_count) {
  return packed_dib_make_palette(dib_resource(resource_id), color_count);
}

// Each set's cleared banner has a table of its own: its palette is made from the
// picture drawn, not from the 96-DPI one. The version word is the one every LOGPALETTE
// carries (0x300), whatever the system.
HPALETTE packed_dib_make_palette(const unsigned char* dib, int* color_count) {
  int count = packed_dib_color_count(dib);
  if (count > 256) count = 256;
  if (color_count) *color_count = count;
  if (!dib || count <= 0) return nullptr;

  HGLOBAL block = GlobalAlloc(GHND, sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
  if (!block) return nullptr;
  LOGPALETTE* description = static_cast<LOGPALETTE*>(GlobalLock(block));
  HPALETTE palette = nullptr;
  if (description) {
    description->palVersion = 0x300;
    description->palNumEntries = static_cast<WORD>(count);
    for (int i = 0; i < count; ++i) {
      const unsigned char* entry = dib + 40 + 4 * i;   // blue, green, red, reserved
      description->palPalEntry[i].peRed = entry[2];
      description->palPalEntry[i].peGreen = entry[1];
      description->palPalEntry[i].peBlue = entry[0];
      description->palPalEntry[i].peFlags = 0;
    }
    palette = CreatePalette(description);
    GlobalUnlock(block);
  }
  GlobalFree(block);
  return palette;
}

// Draws the picture one to one at the DC's origin, colours from its own table.
void dib_draw(HDC dc, HPALETTE palette, const unsigned char* dib, int color_count) {
  if (!dc || !dib) return;
  HPALETTE previous = nullptr;
  if (palette) {
    previous = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
  }
  const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(dib);
  int header_size = read_int(dib, 0);
  int width = read_int(dib, 4);
  int height = read_int(dib, 8);
  int rows = height < 0 ? -height : height;
  SetDIBitsToDevice(dc, 0, 0, width, rows, 0, 0, 0, rows, dib + header_size + 4 * color_count, info,
                    DIB_RGB_COLORS);
  if (previous) SelectPalette(dc, previous, FALSE);
}

// Always begins and ends painting, so the window is validated even without a picture.
void packed_dib_paint(HWND window, HPALETTE palette, const unsigned char* dib, int color_count) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) dib_draw(dc, palette, dib, color_count);
  EndPaint(window, &paint);
}

void dib_paint(HWND window, HPALETTE palette, int resource_id, int color_count) {
  packed_dib_paint(window, palette, dib_resource(resource_id), color_count);
}
