// The pointing hand, painted for each cursor size: the index finger up, its tip on the hot
// spot, the other three folded, the thumb at the side. Shapes are laid out at the size,
// then outlined by whole pixels, so the outline is equally thick all round.
#include "icon_cursor.h"

#include <cmath>
#include <cstdlib>

namespace {

enum Part { NONE, PALM, THUMB, INDEX, MIDDLE, RING, LITTLE };

// A rounded-top upright bar: left and right edges, top, bottom.
bool in_finger(double x, double y, double left, double right, double top, double bottom) {
  const double r = (right - left) / 2, cx = left + r;
  if (x < left || x > right || y > bottom) return false;
  return y >= top + r || std::hypot(x - cx, y - (top + r)) <= r;
}

bool in_capsule(double x, double y, double ax, double ay, double bx, double by, double r) {
  const double dx = bx - ax, dy = by - ay;
  double t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy);
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  return std::hypot(x - ax - t * dx, y - ay - t * dy) <= r;
}

struct Hand {
  double k, index_left, index_right, finger, top[4], knuckle;
};

// Which part of the hand a point is in; fingers lie above the palm.
Part part_at(const Hand& h, double x, double y) {
  const double k = h.k;
  if (in_finger(x, y, h.index_left, h.index_right, 0, h.knuckle)) return INDEX;
  double left = h.index_right - 1;
  for (int f = 1; f < 4; ++f, left += h.finger - 1)
    if (in_finger(x, y, left, left + h.finger, h.top[f], h.knuckle)) return Part(INDEX + f);
  const double right = left + 1, bottom = 22 * k;
  if (y >= 9 * k && y <= bottom && x >= h.index_left + std::max(0.0, y - 16 * k) / 6 &&
      x <= right - std::max(0.0, y - 13 * k) * 0.4)
    return PALM;
  if (in_capsule(x, y, 4.6 * k, 10.6 * k, h.index_left + 1.5 * k, 15.5 * k, 1.7 * k)) return THUMB;
  return NONE;
}

}  // namespace

int cursor_hot_x(int size) { return CURSOR_HOT_X * size / 32; }

Picture draw_cursor(int size) {
  const double k = size / 32.0;
  const int outline = int(k + 0.5), hot_x = cursor_hot_x(size), width = 2 * int(2.5 * k) + 1;
  Hand h;
  h.k = k;
  h.index_left = hot_x + 0.5 - width / 2.0;
  h.index_right = h.index_left + width;
  h.finger = std::floor(3 * k) + 1;
  h.top[1] = 5 * k;
  h.top[2] = 6 * k;
  h.top[3] = 7 * k;
  h.knuckle = 11 * k;
  // Each pixel takes the part most of its samples fall in.
  std::vector<Part> parts(size_t(size) * size, NONE);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int votes[7] = {};
      for (int s = 0; s < 16; ++s) votes[part_at(h, x + (s % 4 + 0.5) / 4, y + (s / 4 + 0.5) / 4)]++;
      int best = NONE;
      for (int v = 1; v < 7; ++v)
        if (votes[v] > votes[best]) best = v;
      parts[size_t(y) * size + x] = Part(best);
    }
  auto at = [&](int x, int y) {
    return x < 0 || y < 0 || x >= size || y >= size ? NONE : parts[size_t(y) * size + x];
  };
  // Black where the outside, or a part this one lies beside, is within the outline's
  // width; the palm runs into the fingers without a line.
  Picture p = make_picture(size, size, CLEAR);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const Part here = at(x, y);
      if (here == NONE) continue;
      bool edge = false;
      for (int dy = -outline; dy <= outline && !edge; ++dy)
        for (int dx = -outline; dx <= outline && !edge; ++dx) {
          if (std::abs(dx) + std::abs(dy) > outline) continue;
          const Part there = at(x + dx, y + dy);
          edge = there == NONE || (there != PALM && here != PALM && there < here);
        }
      set_pixel(p, x, y, edge ? 0 : 15);
    }
  return p;
}
