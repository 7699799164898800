// The Windows side of the rules' tile recolouring: the tile palette and buffers.
#include <windows.h>
#include "platform.h"
#include "tile_pictures.h"
#include "tile_windows.h"

void platform_recolor_tile(WindowHandle window, int image_id, int a, int b, int c, int d, int draw) {
  HWND tile = static_cast<HWND>(window);
  if (draw)
    pai_recolor_draw(tile, pai_palette, image_id, a, b, c, d);
  else
    pai_recolor(tile, pai_palette, image_id, a, b, c, d);
}
