// The per-tile pixel buffers: one mutable copy of each tile picture, made from the
// resources the first time the tile's look changes, from which every drawing of the
// tile is done from then on; and the highlight. Until then the tile is drawn from
// its stored picture, which is the same, so a tile never highlighted costs no memory.
#include "tile_pictures.h"
#include <cstring>
#include "art_sets.h"
#include "board.h"
#include "dib.h"

namespace {

struct TilePicture {
  const unsigned char* stored = nullptr;
  long size = 0;
  unsigned char* own = nullptr;   // the copy, once made; kept for the run
};

TilePicture pictures[TILE_COUNT];

void find_stored(TilePicture& picture, int image_id) {
  int size = 0;
  picture.stored = art_picture(image_id, art_set_in_use, &size);
  picture.size = size;
}

bool is_tile_picture(int image_id) {
  return image_id >= IDB_PAI_FIRST && image_id < IDB_PAI_FIRST + TILE_COUNT;
}

// Only the main window's thread draws tiles (the hint's worker hands its marks to
// it), so the buffers need no guard between threads.
TilePicture* picture_of(int image_id) {
  static bool found = false;
  if (!found) {
    for (int t = 0; t < TILE_COUNT; ++t) find_stored(pictures[t], IDB_PAI_FIRST + t);
    found = true;
  }
  return is_tile_picture(image_id) ? &pictures[image_id - IDB_PAI_FIRST] : nullptr;
}

const unsigned char* current(const TilePicture& picture) {
  return picture.own ? picture.own : picture.stored;
}

unsigned char* own_copy(TilePicture& picture) {
  if (picture.own || !picture.stored) return picture.own;
  picture.own = new unsigned char[picture.size];
  std::memcpy(picture.own, picture.stored, picture.size);
  return picture.own;
}

// Every tile shares the layout of the first one: its pixels start after the header
// and the colour table of picture 101. Returns -1 when the range does not fit.
long recolor_offset(const TilePicture& picture, int set = art_set_in_use) {
  const unsigned char* first = pictures[0].stored;
  if (!first || !picture.stored) return -1;
  int header_size;
  std::memcpy(&header_size, picture.stored, sizeof header_size);
  long pixels = header_size + 4L * packed_dib_color_count(first);
  if (header_size < 0 || pixels + pai_recolor_range(set).end > picture.size) return -1;
  return pixels;
}

struct Recolor {
  int a, b, c, d;
  // b or c of 0 stand for a, so index 0 (the row padding) is a source only when named as a.
  Recolor(int a, int b, int c, int d) : a(a), b(b ? b : a), c(c ? c : a), d(d) {}
  bool source(int value) const { return value == a || value == b || value == c; }
};

bool any_source(const unsigned char* pixels, const Recolor& recolor) {
  const RecolorRange range = pai_recolor_range(art_set_in_use);
  for (int k = range.begin; k < range.end; ++k)
    if (recolor.source(pixels[k])) return true;
  return false;
}

// Restoring every tile before a new deal finds nothing to change in tiles never
// highlighted, and makes no copy of them. Returns false when there is no picture.
bool recolor_tile(int image_id, const Recolor& recolor) {
  TilePicture* picture = picture_of(image_id);
  long offset = picture ? recolor_offset(*picture) : -1;
  if (offset < 0) return false;
  if (!any_source(current(*picture) + offset, recolor)) return true;
  unsigned char* pixels = tile_picture(image_id) + offset;
  const RecolorRange range = pai_recolor_range(art_set_in_use);
  for (int k = range.begin; k < range.end; ++k)
    if (recolor.source(pixels[k])) pixels[k] = static_cast<unsigned char>(recolor.d);
  return true;
}

// The look a buffer has: what each index of its stored picture became in it.
void look_of(const TilePicture& picture, int set, unsigned char look[256]) {
  for (int v = 0; v < 256; ++v) look[v] = static_cast<unsigned char>(v);
  const long offset = recolor_offset(picture, set);
  if (offset < 0) return;
  const RecolorRange range = pai_recolor_range(set);
  for (int k = range.begin; k < range.end; ++k)
    look[picture.stored[offset + k]] = picture.own[offset + k];
}

}  // namespace

RecolorRange pai_recolor_range(int set_percent) {
  if (set_percent == 100) return {PAI_RECOLOR_BEGIN, PAI_RECOLOR_END};
  // Rows stored bottom-up: the ground's lowest row comes first.
  const TileSize tile = tile_size_at(set_percent);
  const int stride = (tile.width + 3) & ~3;
  return {stride * (tile.height - scale_length(48, set_percent)),
          stride * (tile.height - scale_length(1, set_percent))};
}

void tile_pictures_change_set(int from_set) {
  picture_of(IDB_PAI_FIRST);
  // Every look is read before the first picture changes: the offsets follow picture 101.
  static unsigned char looks[TILE_COUNT][256];
  bool changed[TILE_COUNT];
  for (int t = 0; t < TILE_COUNT; ++t) {
    changed[t] = pictures[t].own != nullptr;
    if (changed[t]) look_of(pictures[t], from_set, looks[t]);
  }
  for (int t = 0; t < TILE_COUNT; ++t) {
    TilePicture& picture = pictures[t];
    delete[] picture.own;
    picture.own = nullptr;
    find_stored(picture, IDB_PAI_FIRST + t);
  }
  const RecolorRange range = pai_recolor_range(art_set_in_use);
  for (int t = 0; t < TILE_COUNT; ++t) {
    const long offset = changed[t] ? recolor_offset(pictures[t]) : -1;
    unsigned char* own = offset >= 0 ? own_copy(pictures[t]) : nullptr;
    if (own)
      for (int k = range.begin; k < range.end; ++k) own[offset + k] = looks[t][own[offset + k]];
  }
}

void tile_pictures_load() { picture_of(IDB_PAI_FIRST); }

unsigned char* tile_picture(int image_id) {
  TilePicture* picture = picture_of(image_id);
  return picture ? own_copy(*picture) : nullptr;
}

const unsigned char* tile_picture_to_draw(int image_id) {
  TilePicture* picture = picture_of(image_id);
  return picture ? current(*picture) : nullptr;
}

void pai_recolor(HWND window, HPALETTE palette, int image_id, int a, int b, int c, int d) {
  recolor_tile(image_id, Recolor(a, b, c, d));
}

// Draws through the window's own DC, so the new look goes out with the call, not at
// the window's next paint; it may still wait in this thread's batch of drawing calls
// until that is flushed. The hint's marks are timed by its worker, from each step's
// post, not from here.
void pai_recolor_draw(HWND window, HPALETTE palette, int image_id, int a, int b, int c, int d) {
  if (!recolor_tile(image_id, Recolor(a, b, c, d))) return;
  if (!window) return;   // a null window would mean the whole screen's DC
  HDC dc = GetDC(window);
  if (!dc) return;
  dib_draw(dc, palette, tile_picture_to_draw(image_id), packed_dib_color_count(pictures[0].stored));
  ReleaseDC(window, dc);
}
