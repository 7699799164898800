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

// The pixel-array offsets the highlight examines in a tile picture of a set: at 100 %
// the two above, in larger sets the rows of the face's ground.
struct RecolorRange {
  int begin, end;
};
RecolorRange pai_recolor_range(int set_percent);
// Brings every tile's picture from one set to the one now in use (art_use_set calls
// it); a buffer whose look changed gets the new picture with the same look.
void tile_pictures_change_set(int from_set);
