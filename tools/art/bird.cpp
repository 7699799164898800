// The one of bamboos: a crested bird perched on a bamboo twig, built from a few shapes.
#include <cmath>

#include "tile_faces.h"
#include "tile_frame.h"

namespace {

// Inside an ellipse centred at (cx, cy) with radii rx, ry, turned by `turn` radians.
bool in_ellipse(double x, double y, double cx, double cy, double rx, double ry, double turn = 0) {
  double c = std::cos(turn), s = std::sin(turn);
  double u = (x - cx) * c + (y - cy) * s, v = -(x - cx) * s + (y - cy) * c;
  return (u * u) / (rx * rx) + (v * v) / (ry * ry) <= 1.0;
}

// Within `half_width` of the segment from (x0, y0) to (x1, y1).
bool near_segment(double x, double y, double x0, double y0, double x1, double y1, double half_width) {
  double dx = x1 - x0, dy = y1 - y0;
  double t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy);
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= half_width;
}

// The bird, front-most parts first: the first shape that holds the point gives its colour.
int bird_at(double x, double y) {
  // Eye and beak.
  if (std::hypot(x - 11.5, y - 10.5) < 0.9) return T_BLACK;
  if (std::hypot(x - 11.5, y - 10.5) < 1.9) return T_WHITE;
  if (x > 3.5 && x < 8.5 && std::fabs(y - 12.5) < (x - 3.5) * 0.42) return T_GOLD;
  // Crest: three red plumes over the head.
  if (near_segment(x, y, 12.5, 6.5, 10.0, 2.0, 0.8) || near_segment(x, y, 13.5, 6.5, 14.5, 1.5, 0.8) ||
      near_segment(x, y, 14.5, 7.0, 18.0, 3.0, 0.8))
    return T_RED;
  if (in_ellipse(x, y, 12.5, 11.5, 5.2, 4.8)) return T_GREEN;
  // The wing, scaled with a few light feathers.
  if (in_ellipse(x, y, 20.5, 23.0, 5.0, 8.5, -0.45)) {
    double row = std::fmod(y + 0.6 * x, 4.0);
    return row < 1.2 ? T_TEAL : T_BLUE;
  }
  // Breast and body.
  if (in_ellipse(x, y, 13.0, 23.0, 5.0, 8.0, 0.25)) return T_TEAL;
  if (in_ellipse(x, y, 16.5, 23.0, 8.5, 10.5, -0.3)) return T_GREEN;
  // Tail: three long feathers fanning down to the right from the rump, each with an eye.
  const double rump_x = 21.0, rump_y = 29.0;
  const double tips[3][2] = {{32.0, 31.5}, {31.5, 40.0}, {27.0, 46.0}};
  for (const auto& tip : tips) {
    double length = std::hypot(tip[0] - rump_x, tip[1] - rump_y);
    double ex = tip[0] - 1.8 * (tip[0] - rump_x) / length, ey = tip[1] - 1.8 * (tip[1] - rump_y) / length;
    if (std::hypot(x - ex, y - ey) < 1.0) return T_RED;
    if (std::hypot(x - ex, y - ey) < 2.2) return T_GOLD;
    if (near_segment(x, y, rump_x, rump_y, tip[0], tip[1], 1.3)) return T_GREEN;
  }
  // Feet gripping the twig.
  if (near_segment(x, y, 14.0, 32.0, 13.0, 38.5, 0.7) || near_segment(x, y, 18.5, 32.0, 19.0, 38.5, 0.7))
    return T_RED;
  // The twig: a short bamboo stem with a knot.
  if (y > 38.5 && y < 42.0 && x > 3.0 && x < 31.0) {
    if (std::fabs(x - 22.0) < 0.6) return T_GREEN;
    return y < 39.7 ? T_TEAL : T_GREEN;
  }
  return -1;
}

}  // namespace

void draw_bird(Picture& p) { paint_shape(p, tile_ground(), bird_at); }
