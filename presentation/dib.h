// Palette bitmaps: colour counts, logical palettes and painting of packed DIBs.
#pragma once
#include <windows.h>

HPALETTE dib_make_palette(int resource_id, int* color_count);
void dib_paint(HWND window, HPALETTE palette, int resource_id, int color_count);

// The stored bitmap resource, read-only; its size in bytes goes to size when given.
const unsigned char* dib_resource(int resource_id, int* size = nullptr);
// The same operations on a packed DIB already in memory.
int packed_dib_color_count(const unsigned char* dib);
HPALETTE packed_dib_make_palette(const unsigned char* dib, int* color_count);
void dib_draw(HDC dc, HPALETTE palette, const unsigned char* dib, int color_count);
void packed_dib_paint(HWND window, HPALETTE palette, const unsigned char* dib, int color_count);
