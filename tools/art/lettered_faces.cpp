// Faces made of written characters: the characters suit, dragons, winds, seasons, lettering.
#include <algorithm>
#include <cmath>

#include "glyphs.h"
#include "tile_faces.h"
#include "tile_frame.h"

namespace {

// The middle column of the ground; ink is centred on it.
constexpr double CENTRE_X = 17.5;

// Black type keeps one soft grey step at its edges; coloured type has no tint to fade
// through on this table, so it is cut hard.
int ink_black(float a, int) {
  if (a >= 0.55f) return T_BLACK;
  if (a >= 0.30f) return T_GREY;
  if (a >= 0.14f) return T_PALE;
  return -1;
}

int ink_solid(float a, int colour) { return a >= 0.42f ? colour : -1; }

struct Type {
  FontKind font;
  int size;
  double bold_x, bold_y;
  bool mono;
};

const Type BIG = {MINCHO, 32, 1.0, 1.0, false};     // dragons and winds
const Type NUMERAL = {MINCHO, 19, 1.0, 1.0, false};
const Type MAN = {MINCHO, 27, 1.0, 0.5, false};
const Type SEASON = {GOTHIC, 14, 0, 0, true};
const Type LETTER = {GOTHIC, 17, 0.6, 0.3, false};

// Puts a character with its ink centred on (centre_x, centre_y), in 96-DPI units. Type is
// set afresh at each scale, hinted for its own pixel size, never a larger picture of it.
void put(Picture& p, const Type& type, char32_t code, double centre_x, double centre_y, int colour) {
  const double k = art_percent / 100.0;
  Coverage c = glyph_hinted(type.font, code, scaled(type.size), type.bold_x * k, type.bold_y * k, type.mono);
  int left = int(centre_x * k - c.width / 2.0 + 0.5), top = int(centre_y * k - c.height / 2.0 + 0.5);
  stamp(p, tile_ground(), c, left, top, colour == T_BLACK ? ink_black : ink_solid, colour);
}

// A red frame with rounded corners and a fine inner line, for the lettering tile.
void draw_label_frame(Picture& p) {
  paint_shape(p, tile_ground(), [](double x, double y) {
    // Distance outside a rounded rectangle; the frame is a band of it.
    double dx = std::fabs(x - CENTRE_X) - 10.5, dy = std::fabs(y - 24.5) - 17.0;
    double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0)) + std::min(std::max(dx, dy), 0.0) - 3.0;
    if (outside > 0 || outside < -3.2) return -1;
    if (outside > -1.3) return int(T_RED);
    if (outside < -2.2) return int(T_RED);
    return -1;
  });
}

// Five magenta petals round a golden heart, with two leaves, for the seasons tile.
void draw_flower(Picture& p, double cx, double cy) {
  paint_shape(p, tile_ground(), [=](double x, double y) {
    double dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
    if (d < 2.0) return int(T_GOLD);
    if (d < 2.8) return int(T_RED);
    double angle = std::atan2(dy, dx) + 3.14159265 / 2;
    double petal = 8.2 * (0.6 + 0.4 * std::fabs(std::cos(2.5 * angle)));
    if (d < petal) return d < petal - 1.2 ? int(T_MAGENTA) : int(T_RED);
    // Leaves reaching out to the lower left and upper right.
    double u = (dx + dy) / 1.41421356, v = (dx - dy) / 1.41421356;
    if (std::fabs(v) < 13.0 && std::fabs(v) > 6.0 && std::fabs(u) < 2.4 * std::sin(3.14159265 * (std::fabs(v) - 6.0) / 7.0))
      return int(T_GREEN);
    return -1;
  });
}

}  // namespace

void draw_character(Picture& p, int number) {
  static const char32_t numerals[9] = {U'一', U'二', U'三', U'四', U'五', U'六', U'七', U'八', U'九'};
  put(p, NUMERAL, numerals[number - 1], CENTRE_X, 11, T_BLACK);
  put(p, MAN, U'萬', CENTRE_X, 34, T_RED);
}

void draw_lettered(Picture& p, int face) {
  static const struct {
    char32_t code;
    int colour;
  } big[] = {{U'發', T_GREEN}, {U'中', T_RED}, {U'東', T_BLACK}, {U'南', T_BLACK},
             {U'西', T_BLACK}, {U'北', T_BLACK}};
  if (face == 9 || face == 19) {
    put(p, BIG, big[face == 19].code, CENTRE_X, 24, big[face == 19].colour);
  } else if (face >= 30 && face <= 33) {
    put(p, BIG, big[face - 28].code, CENTRE_X, 24, T_BLACK);
  } else if (face == 34) {
    // The game's name on a framed label: KO over TO.
    draw_label_frame(p);
    put(p, LETTER, U'K', 12, 16, T_BLUE);
    put(p, LETTER, U'O', 23, 16, T_BLUE);
    put(p, LETTER, U'T', 12, 33, T_BLUE);
    put(p, LETTER, U'O', 23, 33, T_BLUE);
  } else if (face == 35) {
    draw_flower(p, CENTRE_X, 24.5);
    put(p, SEASON, U'春', 8.5, 8.5, T_GREEN);
    put(p, SEASON, U'夏', 26.5, 8.5, T_RED);
    put(p, SEASON, U'秋', 8.5, 40.5, T_GOLD);
    put(p, SEASON, U'冬', 26.5, 40.5, T_BLUE);
  }
  // Face 29, the white dragon, is the bare face.
}
