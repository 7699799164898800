// The 16-colour icon of 32 pixels (four tiles: a taken pair, its path and a spare), as pixel
// art for systems that show no more colours.
#include "icon_cursor.h"

#include <cmath>
#include <cstring>

namespace {

enum : uint8_t { BLACK = 0, GREY = 8, SILVER = 7, RED = 9, LIME = 10, CYAN = 14, WHITE = 15, OLIVE = 3 };

Rect whole(const Picture& p) { return {0, 0, p.width, p.height}; }

// Art rows, each character a pixel, looked up in `key`.
void draw_art(Picture& p, int left, int top, const char* const* rows, int count,
              const char* key, const uint8_t* values) {
  paint_shape(p, whole(p), [=](double x, double y) {
    int col = int(std::floor(x)) - left, row = int(std::floor(y)) - top;
    if (row < 0 || row >= count || col < 0 || col >= int(std::strlen(rows[row]))) return -1;
    const char* k = std::strchr(key, rows[row][col]);
    return k && values[k - key] != CLEAR ? int(values[k - key]) : -1;
  });
}

// One small tile lit from the upper left: a 13 x 13 face with a bright top and left edge,
// and a two-pixel side to the right and below.
void small_tile(Picture& p, int left, int top, uint8_t face) {
  paint_shape(p, whole(p), [=](double px, double py) {
    int x = int(std::floor(px)) - left, y = int(std::floor(py)) - top;
    if (x < 0 || y < 0 || x >= 15 || y >= 15) return -1;
    uint8_t v = face;
    if (x == 14) v = OLIVE;
    else if (y == 14) v = GREY;
    else if (x == 13 || y == 13) v = SILVER;
    else if ((x == 0 || y == 0) && face != WHITE) v = WHITE;
    return int(v);
  });
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
  const uint8_t black[] = {BLACK};
  const uint8_t red[] = {RED};
  small_tile(p, 1, 1, LIME);
  // The connecting path: in from the right, a corner, down and out below.
  paint_shape(p, whole(p), [](double x, double y) {
    return (x >= 7 && x < 16 && y >= 6 && y < 8) || (x >= 7 && x < 9 && y >= 6 && y < 16) ? int(CYAN) : -1;
  });
  small_tile(p, 16, 1, CYAN);
  draw_art(p, 18, 4, CHUN, 8, "R", red);
  small_tile(p, 1, 16, CYAN);
  draw_art(p, 3, 19, CHUN, 8, "R", red);
  small_tile(p, 16, 16, WHITE);
  draw_art(p, 18, 19, CIRCLE, 8, "K", black);
  return p;
}
