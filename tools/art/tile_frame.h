// The body every tile picture shares: face edges, the two side faces and the tile colours.
#pragma once
#include <vector>

#include "picture.h"

constexpr int TILE_WIDTH = 43, TILE_HEIGHT = 62;

// Colour indices of the tile table, named for how the faces use them.
enum TileColour : uint8_t {
  T_GREY = 1,      // 128 grey: lower side face, soft engraving
  T_SILVER = 2,    // 192 grey: right side face, fringes
  T_GOLD = 3,      // outer strip of the right side face
  T_OLIVE = 4,     // outer strip of the lower side face
  T_BLACK = 5,
  T_RED = 6,
  T_WHITE = 7,
  T_GREEN = 8,     // deep green
  T_BLUE = 9,      // navy
  T_PALE = 10,     // 205 grey: right edge, faint fringes
  T_MAGENTA = 11,
  T_TEAL = 12,
  T_GROUND = 16,   // the face ground, the one index the highlight rewrites
};

// The ground of the face, where engraving goes: at 96 DPI columns 1-33 of rows 1-47 of
// the 35 x 49 face. Its four edges are one pixel at 96 DPI and all equally thick at a
// scale, that pixel scaled, so the face's size and its edges round alike on every side.
inline Rect tile_ground() {
  const int edge = scaled(1);
  return {edge, edge, scaled(35) - edge, scaled(49) - edge};
}

std::vector<Rgb> tile_colour_table();
// A tile of tile_size_at(art_percent) with a bare face.
Picture make_blank_tile();
