// The 36 tile faces, each engraved on a fresh tile body.
#pragma once
#include "picture.h"

constexpr int FACE_COUNT = 36;

Picture draw_tile(int face);

// Per kind of face; each engraves on the ground of a blank tile.
void draw_character(Picture& p, int number);  // 1-9: numeral over 萬
void draw_circles(Picture& p, int number);    // 1-9
void draw_bamboos(Picture& p, int number);    // 1-9, the one a bird
void draw_lettered(Picture& p, int face);     // dragons, winds, lettering, seasons
void draw_bird(Picture& p);                   // the one of bamboos
