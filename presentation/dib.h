// Palette bitmaps: colour counts, logical palettes and painting of packed DIBs.
#pragma once
#include <windows.h>

int dib_color_count(int resource_id);
HPALETTE dib_make_palette(int resource_id, int* color_count);
void dib_paint(HWND window, HPALETTE palette, int resource_id, int color_count);

// The same operations on a packed DIB already in memory.
const unsigned char* dib_resource(int resource_id);
int packed_dib_color_count(const unsigned char* dib);
void dib_draw(HDC dc, HPALETTE palette, const unsigned char* dib, int color_count);
