// Which drawing each face gets, in the order of the face numbers.
#include "tile_faces.h"

#include "tile_frame.h"

Picture draw_tile(int face) {
  Picture p = make_blank_tile();
  if (face <= 8)
    draw_character(p, face + 1);
  else if (face >= 10 && face <= 18)
    draw_circles(p, face - 9);
  else if (face >= 20 && face <= 28)
    draw_bamboos(p, face - 19);
  else
    draw_lettered(p, face);
  return p;
}
