// Faces drawn as shapes: the circles and the bamboos (the one bamboo is a bird, see bird.cpp).
#include <cmath>
#include <vector>

#include "tile_faces.h"
#include "tile_frame.h"

namespace {

constexpr double PI = 3.14159265358979323846;

struct Coin {
  double x, y, r;
  int colour;
};

// A coin: a ring, a narrow gap of ground, a full middle with a pinhole of ground when the
// coin is large enough to show one.
void coin(Picture& p, const Coin& c, int middle) {
  paint_shape(p, tile_ground(), [=](double x, double y) {
    double d = std::hypot(x - c.x, y - c.y);
    double ring = c.r >= 6.5 ? 1.6 : 1.25, gap = c.r >= 6.5 ? 1.4 : 1.1;
    if (d > c.r) return -1;
    if (d > c.r - ring) return c.colour;
    if (d > c.r - ring - gap) return -1;
    if (c.r >= 6.5 && d < 1.2) return -1;
    return middle;
  });
}

// The one circle: a large medallion of rings and a wreath of petals round a red heart.
void medallion(Picture& p) {
  const double cx = 17.5, cy = 24.5;
  paint_shape(p, tile_ground(), [=](double x, double y) {
    double d = std::hypot(x - cx, y - cy), angle = std::atan2(y - cy, x - cx);
    if (d > 15.2) return -1;
    if (d > 13.8) return int(T_BLUE);
    if (d > 12.8) return -1;
    if (d > 8.6) {
      // Twelve petals, each a lens between the two rings.
      double a = std::fmod(angle + 2 * PI, PI / 6) - PI / 12;
      double across = std::fabs(a) * d;
      return across < 1.9 * std::sin(PI * (d - 8.6) / 4.2) ? int(T_GREEN) : -1;
    }
    if (d > 7.4) return int(T_BLUE);
    if (d > 6.4) return -1;
    if (d > 2.0) return int(T_RED);
    if (d > 1.0) return -1;
    return int(T_RED);
  });
}

// A bamboo stick five pixels wide, green ones lit from the left (dark, light, light, dark, dark),
// with a knot across its middle and rounded ends; tilted by `slant` (x change per unit of y).
struct Stick {
  double x, y, half_height, slant;
  bool red;
};

void stick(Picture& p, const Stick& s) {
  int dark = s.red ? T_RED : T_GREEN, light = s.red ? T_RED : T_TEAL;
  paint_shape(p, tile_ground(), [=](double x, double y) {
    double dy = y - s.y;
    double dx = x - (s.x + s.slant * dy);
    if (std::fabs(dy) > s.half_height) return -1;
    // The knot: a wider ring on green stems, a pale cut across red ones.
    if (std::fabs(dy) < 0.5) {
      if (s.red) return std::fabs(dx) < 2.5 ? int(T_WHITE) : -1;
      return std::fabs(dx) < 3.5 ? dark : -1;
    }
    double half_width = std::fabs(dy) > s.half_height - 1 ? 1.5 : 2.5;
    if (std::fabs(dx) > half_width) return -1;
    return (dx > -1.5 && dx < 0.5) ? light : dark;
  });
}

}  // namespace

void draw_circles(Picture& p, int number) {
  const int B = T_BLUE, G = T_GREEN, R = T_RED;
  std::vector<Coin> coins;
  switch (number) {
    case 1: medallion(p); return;
    case 2: coins = {{17.5, 13, 9, G}, {17.5, 36, 9, B}}; break;
    case 3: coins = {{9, 9, 7, B}, {17.5, 24.5, 7, R}, {26, 40, 7, G}}; break;
    case 4: coins = {{10, 12, 7, B}, {25, 12, 7, G}, {10, 37, 7, G}, {25, 37, 7, B}}; break;
    case 5:
      coins = {{9, 9, 6.5, B}, {26, 9, 6.5, G}, {17.5, 24.5, 6.5, R}, {9, 40, 6.5, G}, {26, 40, 6.5, B}};
      break;
    case 6:
      coins = {{10, 8, 6, G}, {25, 8, 6, G}, {10, 25, 6, R}, {25, 25, 6, R}, {10, 40, 6, R}, {25, 40, 6, R}};
      break;
    case 7:
      coins = {{7, 6, 5, G},   {17.5, 10, 5, G}, {28, 14, 5, G}, {11, 27, 5.5, R},
               {24, 27, 5.5, R}, {11, 40, 5.5, R}, {24, 40, 5.5, R}};
      break;
    case 8:
      for (int i = 0; i < 8; ++i) coins.push_back({i % 2 ? 24.5 : 10.5, 7 + 11.3 * (i / 2), 5.4, B});
      break;
    case 9:
      for (int i = 0; i < 9; ++i) coins.push_back({7 + 10.5 * (i % 3), 9 + 15.5 * (i / 3), 5.0, i / 3 == 0 ? B : i / 3 == 1 ? R : G});
      break;
  }
  for (const Coin& c : coins) coin(p, c, c.colour);
}

void draw_bamboos(Picture& p, int number) {
  std::vector<Stick> sticks;
  const double top = 13, bottom = 36, tall = 9.5, short_ = 6.5;
  const double left = 7.5, middle = 17.5, right = 27.5;
  switch (number) {
    case 1: draw_bird(p); return;
    case 2: sticks = {{middle, top, tall, 0, false}, {middle, bottom, tall, 0, false}}; break;
    case 3:
      sticks = {{middle, top, tall, 0, false}, {11.5, bottom, tall, 0, false}, {23.5, bottom, tall, 0, false}};
      break;
    case 4:
      sticks = {{11.5, top, tall, 0, false}, {23.5, top, tall, 0, false},
                {11.5, bottom, tall, 0, false}, {23.5, bottom, tall, 0, false}};
      break;
    case 5:
      sticks = {{left, top, tall, 0, false},   {right, top, tall, 0, false}, {middle, 24.5, tall, 0, true},
                {left, bottom, tall, 0, false}, {right, bottom, tall, 0, false}};
      break;
    case 6:
      for (int i = 0; i < 6; ++i) sticks.push_back({left + 10 * (i % 3), i < 3 ? top : bottom, tall, 0, false});
      break;
    case 7:
      sticks.push_back({middle, 8, short_, 0, true});
      for (int i = 0; i < 6; ++i) sticks.push_back({left + 10 * (i % 3), i < 3 ? 24.5 : 40, short_, 0, false});
      break;
    case 8:
      // Two rows that mirror each other: upright sticks outside, a leaning pair inside.
      for (int row = 0; row < 2; ++row) {
        double y = row ? bottom : top, lean = row ? 0.28 : -0.28;
        sticks.push_back({4.5, y, tall, 0, false});
        sticks.push_back({13.5, y, tall, lean, false});
        sticks.push_back({21.5, y, tall, -lean, false});
        sticks.push_back({30.5, y, tall, 0, false});
      }
      break;
    case 9:
      for (int i = 0; i < 9; ++i)
        sticks.push_back({left + 10 * (i % 3), 8.5 + 15.5 * (i / 3), short_, 0, i % 3 == 1});
      break;
  }
  for (const Stick& s : sticks) stick(p, s);
}
