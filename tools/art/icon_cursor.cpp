// The icon (four tiles: a taken pair, its path and a spare) and the hand cursor, as pixel art.
#include "icon_cursor.h"

#include <cstring>

namespace {

enum : uint8_t { BLACK = 0, GREY = 8, SILVER = 7, RED = 9, LIME = 10, CYAN = 14, WHITE = 15, OLIVE = 3 };

// Pixel art rows: each character one pixel, looked up in `key`.
void draw_art(Picture& p, int left, int top, const char* const* rows, int count,
              const char* key, const uint8_t* values) {
  for (int y = 0; y < count; ++y)
    for (int x = 0; rows[y][x]; ++x) {
      const char* k = std::strchr(key, rows[y][x]);
      if (k && values[k - key] != CLEAR) set_pixel(p, left + x, top + y, values[k - key]);
    }
}

// One small tile lit from the upper left: a 13 x 13 face with a bright top and left edge,
// and a two-pixel side to the right and below.
void small_tile(Picture& p, int left, int top, uint8_t face) {
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x) {
      uint8_t v = face;
      if (x == 14) v = OLIVE;
      else if (y == 14) v = GREY;
      else if (x == 13 || y == 13) v = SILVER;
      else if ((x == 0 || y == 0) && face != WHITE) v = WHITE;
      set_pixel(p, left + x, top + y, v);
    }
}

const char* const CHUN[] = {
    "....R....",
    "RRRRRRRRR",
    "R...R...R",
    "R...R...R",
    "RRRRRRRRR",
    "....R....",
    "....R....",
    "....R....",
};

const char* const CIRCLE[] = {
    "..KKKKK..",
    ".K.....K.",
    "K..KKK..K",
    "K.K...K.K",
    "K.K...K.K",
    "K..KKK..K",
    ".K.....K.",
    "..KKKKK..",
};

}  // namespace

Picture draw_icon() {
  Picture p = make_picture(32, 32, CLEAR);
  const uint8_t red[] = {RED}, black[] = {BLACK};
  small_tile(p, 1, 1, LIME);
  // The connecting path: in from the right, a corner, down and out below.
  for (int x = 6; x < 15; ++x) set_pixel(p, 1 + x, 1 + 5, CYAN), set_pixel(p, 1 + x, 1 + 6, CYAN);
  for (int y = 5; y < 15; ++y) set_pixel(p, 1 + 6, 1 + y, CYAN), set_pixel(p, 1 + 7, 1 + y, CYAN);
  small_tile(p, 16, 1, CYAN);
  draw_art(p, 18, 4, CHUN, 8, "R", red);
  small_tile(p, 1, 16, CYAN);
  draw_art(p, 3, 19, CHUN, 8, "R", red);
  small_tile(p, 16, 16, WHITE);
  draw_art(p, 18, 19, CIRCLE, 8, "K", black);
  return p;
}

namespace {

const char* const HAND[] = {
    ".........XXX..........",
    "........XoooX.........",
    "........XoooX.........",
    "........XoooX.........",
    "........XoooX.........",
    "........XoooXXX.......",
    "........XoooXooXXX....",
    "........XoooXooXooXXX.",
    "........XoooXooXooXooX",
    "....XX..XoooXooXooXooX",
    "...XooX.XoooooooooooooX",
    "...XoooXXoooooooooooooX",
    "....XoooXoooooooooooooX",
    ".....XooXoooooooooooooX",
    ".....XoooooooooooooooX.",
    "......XooooooooooooooX.",
    "......XoooooooooooooX..",
    ".......XooooooooooooX..",
    ".......XoooooooooooX...",
    "........XooooooooooX...",
    "........XooooooooooX...",
    "........XXXXXXXXXXXX...",
};

}  // namespace

Picture draw_cursor() {
  Picture p = make_picture(32, 32, CLEAR);
  const uint8_t values[] = {BLACK, WHITE};
  draw_art(p, 0, 0, HAND, int(sizeof(HAND) / sizeof(HAND[0])), "Xo", values);
  return p;
}
