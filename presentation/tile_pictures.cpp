// The per-tile pixel buffers: one mutable copy of each tile picture, made from the
// resources once, from which every drawing of the tile is done; and the highlight.
#include "tile_pictures.h"
#include <cstring>
#include <vector>
#include "board.h"
#include "dib.h"

namespace {

std::vector<unsigned char> pictures[TILE_COUNT];

void copy_pictures() {
  for (int t = 0; t < TILE_COUNT; ++t) {
    int size = 0;
    const unsigned char* stored = dib_resource(IDB_PAI_FIRST + t, &size);
    std::vector<unsigned char>& buffer = pictures[t];
    if (stored) buffer.assign(stored, stored + size);
    else buffer.clear();
  }
}

// A function-local static makes the first load safe when the hint worker and the
// user-interface thread reach it at once.
void ensure_loaded() {
  static const bool loaded = (copy_pictures(), true);
  (void)loaded;
}

bool is_tile_picture(int image_id) {
  return image_id >= IDB_PAI_FIRST && image_id < IDB_PAI_FIRST + TILE_COUNT;
}

// Every tile shares the layout of the first one: its pixels start after the header
// and the colour table of picture 101. Returns null when the range does not fit.
unsigned char* recolor_range(int image_id) {
  unsigned char* first = tile_picture(IDB_PAI_FIRST);
  unsigned char* dib = tile_picture(image_id);
  if (!first || !dib) return nullptr;
  int header_size;
  std::memcpy(&header_size, dib, sizeof header_size);
  long pixels = header_size + 4L * packed_dib_color_count(first);
  long size = static_cast<long>(pictures[image_id - IDB_PAI_FIRST].size());
  if (header_size < 0 || pixels + PAI_RECOLOR_END > size) return nullptr;
  return dib + pixels;
}

// b or c of 0 stand for a, so index 0 (the row padding) is a source only when named as a.
void rewrite(unsigned char* pixels, int a, int b, int c, int d) {
  if (b == 0) b = a;
  if (c == 0) c = a;
  for (int k = PAI_RECOLOR_BEGIN; k < PAI_RECOLOR_END; ++k) {
    int value = pixels[k];
    if (value == a || value == b || value == c) pixels[k] = static_cast<unsigned char>(d);
  }
}

}  // namespace

void tile_pictures_load() { ensure_loaded(); }

unsigned char* tile_picture(int image_id) {
  if (!is_tile_picture(image_id)) return nullptr;
  ensure_loaded();
  std::vector<unsigned char>& buffer = pictures[image_id - IDB_PAI_FIRST];
  return buffer.empty() ? nullptr : buffer.data();
}

void pai_recolor(HWND window, HPALETTE palette, int image_id, int a, int b, int c, int d) {
  unsigned char* pixels = recolor_range(image_id);
  if (pixels) rewrite(pixels, a, b, c, d);
}

// Draws through the window's own DC, so the new look is on the screen before the
// call returns; the hint worker relies on that when it sleeps right after.
void pai_recolor_draw(HWND window, HPALETTE palette, int image_id, int a, int b, int c, int d) {
  unsigned char* pixels = recolor_range(image_id);
  if (!pixels) return;
  rewrite(pixels, a, b, c, d);
  if (!window) return;   // a null window would mean the whole screen's DC
  HDC dc = GetDC(window);
  if (!dc) return;
  dib_draw(dc, palette, tile_picture(image_id), packed_dib_color_count(tile_picture(IDB_PAI_FIRST)));
  ReleaseDC(window, dc);
}
