// Faces drawn as shapes: the circles and the bamboos.
#include <cmath>

#include "tile_faces.h"
#include "tile_frame.h"

namespace {

struct Pos {
  double x, y;
};

// A coin: outer ring in `ring`, pale band, a dot of `centre` in the middle.
void coin(Picture& p, Pos c, double r, int ring, int centre) {
  paint_shape(p, TILE_GROUND, [=](double x, double y) {
    double d = std::hypot(x - c.x, y - c.y);
    if (d > r) return -1;
    if (d > r * 0.72) return ring;
    if (d > r * 0.42) return -1;
    return centre;
  });
}

// A bamboo stick centred at c, tilted by `slant` (x change per unit of y).
void stick(Picture& p, Pos c, double half_h, int colour, double slant = 0) {
  paint_shape(p, TILE_GROUND, [=](double x, double y) {
    double dy = y - c.y;
    double dx = x - (c.x + slant * dy);
    if (std::fabs(dy) > half_h || std::fabs(dx) > 2.2) return -1;
    if (std::fabs(dy) < 0.7) return int(T_WHITE == colour ? T_GREEN : colour);  // the node
    return std::fabs(dx) < 0.8 ? int(T_TEAL) : colour;
  });
}

}  // namespace

void draw_circles(Picture& p, int number) {
  const double cx = 17.5, cy = 24.5;
  switch (number) {
    case 1: coin(p, {cx, cy}, 14, T_BLUE, T_RED); break;
    case 2:
      coin(p, {cx, 13}, 9, T_GREEN, T_GREEN);
      coin(p, {cx, 36}, 9, T_BLUE, T_BLUE);
      break;
    case 3:
      coin(p, {8, 9}, 6.5, T_BLUE, T_BLUE);
      coin(p, {cx, cy}, 6.5, T_RED, T_RED);
      coin(p, {27, 40}, 6.5, T_GREEN, T_GREEN);
      break;
    default: {
      int cols = number >= 9 ? 3 : 2, rows = (number + cols - 1) / cols;
      for (int i = 0; i < number; ++i) {
        double x = cols == 3 ? 7 + 10.5 * (i % 3) : 10 + 15 * (i % 2);
        double y = 8 + (rows > 1 ? 32.0 / (rows - 1) * (i / cols) : 16);
        coin(p, {x, y}, 5, i % 2 ? T_BLUE : T_GREEN, T_RED);
      }
    }
  }
}

void draw_bamboos(Picture& p, int number) {
  if (number == 1) {
    coin(p, {17.5, 24.5}, 12, T_GREEN, T_RED);
    return;
  }
  int cols = number >= 6 ? 3 : 2, rows = (number + cols - 1) / cols;
  for (int i = 0; i < number; ++i) {
    double x = cols == 3 ? 8 + 9.5 * (i % 3) : 12 + 11 * (i % 2);
    double y = 10 + (rows > 1 ? 28.0 / (rows - 1) * (i / cols) : 14);
    stick(p, {x, y}, 6, i == 4 ? T_RED : T_GREEN);
  }
}
