// Faces made of written characters: the characters suit, dragons, winds, seasons, lettering.
#include "glyphs.h"
#include "tile_faces.h"
#include "tile_frame.h"

namespace {

// Black type gets soft grey edges; coloured type has no tint to fade through, so it is cut hard.
int ink_black(float a, int) {
  if (a >= 0.55f) return T_BLACK;
  if (a >= 0.33f) return T_GREY;
  if (a >= 0.16f) return T_SILVER;
  return -1;
}

int ink_solid(float a, int colour) { return a >= 0.45f ? colour : -1; }

void put(Picture& p, FontKind font, char32_t code, int size, int left, int top, int colour) {
  Coverage c = glyph_em(font, code, size);
  stamp(p, TILE_GROUND, c, left, top, colour == T_BLACK ? ink_black : ink_solid, colour);
}

}  // namespace

void draw_character(Picture& p, int number) {
  static const char32_t numerals[9] = {U'一', U'二', U'三', U'四', U'五', U'六', U'七', U'八', U'九'};
  put(p, MINCHO, numerals[number - 1], 20, 7, 2, T_BLACK);
  put(p, MINCHO, U'萬', 27, 4, 20, T_RED);
}

void draw_lettered(Picture& p, int face) {
  switch (face) {
    case 9: put(p, MINCHO, U'發', 31, 2, 9, T_GREEN); break;
    case 19: put(p, MINCHO, U'中', 31, 2, 9, T_RED); break;
    case 29: break;  // the white dragon is the bare face
    case 30: put(p, MINCHO, U'東', 31, 2, 9, T_BLACK); break;
    case 31: put(p, MINCHO, U'南', 31, 2, 9, T_BLACK); break;
    case 32: put(p, MINCHO, U'西', 31, 2, 9, T_BLACK); break;
    case 33: put(p, MINCHO, U'北', 31, 2, 9, T_BLACK); break;
    case 34:
      put(p, GOTHIC, U'K', 18, 2, 4, T_BLUE);
      put(p, GOTHIC, U'O', 18, 14, 4, T_MAGENTA);
      put(p, GOTHIC, U'T', 18, 4, 24, T_TEAL);
      put(p, GOTHIC, U'O', 18, 16, 24, T_RED);
      break;
    case 35:
      put(p, MINCHO, U'春', 12, 2, 2, T_GREEN);
      put(p, MINCHO, U'夏', 12, 20, 2, T_RED);
      put(p, MINCHO, U'秋', 12, 2, 34, T_GOLD);
      put(p, MINCHO, U'冬', 12, 20, 34, T_BLUE);
      break;
  }
}
