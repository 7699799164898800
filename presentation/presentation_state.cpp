// Setting the presentation back to its start, for tests that build the main window many times.
#include "presentation_state.h"
#include <windows.h>
#include "banner_windows.h"
#include "board.h"
#include "tile_pictures.h"
#include "tile_windows.h"

namespace {

void forget_palette(HPALETTE& palette, int& color_count) {
  if (palette) DeleteObject(palette);
  palette = nullptr;
  color_count = 0;
}

}  // namespace

// The tile buffers are put back as stored too, so a highlight left by one test
// cannot show in the next main window.
void presentation_reset() {
  for (int slot = 0; slot < TILE_COUNT; ++slot) pai_windows[slot] = nullptr;
  omigoto_window = nullptr;
  tezumari_window = nullptr;
  forget_palette(pai_palette, pai_color_count);
  forget_palette(omigoto_palette, omigoto_color_count);
  forget_palette(tezumari_palette, tezumari_color_count);
  tile_pictures_reload();
}
