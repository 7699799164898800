// The mottled green background pattern and the stuck banner laid on it.
#include <cstdio>
#include <cstdlib>

#include "banners.h"
#include "glyphs.h"

namespace {

enum : uint8_t { GREEN = 2, OLIVE = 3, TEAL = 6, GREY = 8, SILVER = 7, WHITE = 15 };

// Hand-placed so that teal forms small clumps and olive only specks, and the tile repeats
// without a visible seam: 38 green, 20 teal, 6 olive.
const char* const PATTERN[8] = {
    "GGTTGGGO",
    "GTTGGOGG",
    "GGGGTTGG",
    "TGOGTTTG",
    "TGGGGTGG",
    "GGGOGGGT",
    "GTGGGGTT",
    "TTOGTOGT",
};

uint8_t pattern_colour(char c) { return c == 'T' ? TEAL : c == 'O' ? OLIVE : GREEN; }

}  // namespace

// Each set's pattern repeats after 8 pixels scaled, which is a whole number at every set.
Picture draw_background() {
  int counts[3] = {};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      char c = PATTERN[y][x];
      counts[c == 'T' ? 1 : c == 'O' ? 2 : 0]++;
    }
  if (counts[0] != 38 || counts[1] != 20 || counts[2] != 6) {
    std::fprintf(stderr, "background pattern counts %d %d %d\n", counts[0], counts[1], counts[2]);
    std::exit(1);
  }
  Picture p = make_picture(scaled(8), scaled(8), GREEN);
  paint_shape(p, {0, 0, p.width, p.height},
              [](double x, double y) { return int(pattern_colour(PATTERN[int(y) % 8][int(x) % 8])); });
  return p;
}

namespace {

// White where the letter is solid, light grey on its soft edge.
int ink_face(float a, int) { return a >= 0.5f ? WHITE : a >= 0.25f ? SILVER : -1; }
int ink_shadow(float a, int) { return a >= 0.35f ? GREY : -1; }

}  // namespace

Picture draw_tezumari(const Picture& pattern) {
  Picture p = make_picture(scaled(32), scaled(144), GREEN);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) set_pixel(p, x, y, pixel(pattern, x % pattern.width, y % pattern.height));
  const Rect all = {0, 0, p.width, p.height};
  const char32_t word[4] = {U'手', U'詰', U'ま', U'り'};
  const double k = art_percent / 100.0;
  for (int i = 0; i < 4; ++i) {
    // Each character centred in its quarter of the height, with room for its edging.
    Coverage c = glyph_hinted(GOTHIC, word[i], scaled(29), k, k);
    int left = (scaled(31) - c.width) / 2, top = scaled(36) * i + (scaled(35) - c.height) / 2;
    // A grey shadow cast down and right gives the letters their edge without filling
    // the narrow gaps between strokes.
    for (int d = 1; d <= scaled(2); ++d) stamp(p, all, c, left + d, top + d, ink_shadow, GREY);
    stamp(p, all, c, left, top, ink_face, WHITE);
  }
  return p;
}
