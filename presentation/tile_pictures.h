// The per-tile pixel buffers the program owns, and the tile highlight that
// rewrites colour indices inside them.
#pragma once
#include <windows.h>

void tile_pictures_load();                       // finds the 144 stored tile pictures once; later calls do nothing
unsigned char* tile_picture(int image_id);       // the owned packed DIB of picture 101..244 (copied on first use)
const unsigned char* tile_picture_to_draw(int image_id);   // the owned copy if made, else the stored picture
void pai_recolor_draw(HWND window, HPALETTE palette, int image_id, int a, int b, int c, int d);
void pai_recolor(HWND window, HPALETTE palette, int image_id, int a, int b, int c, int d);
constexpr int PAI_RECOLOR_BEGIN = 546, PAI_RECOLOR_END = 2684;
