// The cleared banner: おみごと in thick white letters with deep blue sides on a speckled ground.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "banners.h"
#include "glyphs.h"

namespace {

// The banner's size and how far the letters stand out of the ground, at the set's scale.
int W = 500, H = 250, DEPTH = 12;
constexpr int USED_COLOURS = 184;

struct Colour {
  double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A repeatable pseudo-random value in 0..1 for a pixel, so the ground is the same on every run.
double noise(int x, int y, uint32_t salt) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + salt * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffff) / double(0x1000000);
}

// The ground at (x, y) in 96-DPI pixels. Only the 96-DPI banner is speckled: speckles
// are noise, and noise does not pack, so the larger sets take the speckles' mean tint
// and the program stays within its size.
Colour ground(int x, int y) {
  Colour base = {206, 236, 200};
  if (art_percent != 100) return mix(base, {190, 226, 186}, 0.3);
  double n = noise(x, y, 1);
  if (n < 0.06) return mix(base, {150, 200, 140}, 0.5 + noise(x, y, 2) * 0.5);
  if (n > 0.965) return mix(base, {250, 255, 235}, 0.8);
  return mix(base, {190, 226, 186}, noise(x / 3, y / 3, 3) * 0.6);
}

// The four letters laid out on one canvas of coverage.
Coverage word_coverage() {
  Coverage word;
  word.width = W;
  word.height = H;
  word.alpha.assign(size_t(W) * H, 0.0f);
  const char32_t letters[4] = {U'お', U'み', U'ご', U'と'};
  const int size = scaled(128), pitch = scaled(103), left = scaled(32), top = scaled(54);
  for (int i = 0; i < 4; ++i) {
    Coverage c = glyph_em(GOTHIC, letters[i], size, 26);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        int tx = left + pitch * i + x, ty = top + y;
        if (tx < 0 || ty < 0 || tx >= W || ty >= H) continue;
        float& a = word.alpha[ty * W + tx];
        a = std::max(a, c.at(x, y));
      }
  }
  return word;
}

std::vector<Colour> render() {
  Coverage word = word_coverage();
  // The body of each letter is its face grown by two pixels, so a blue line runs round the
  // white face on every side, also where the light falls.
  Coverage body = word;
  const int grow = scaled(2);
  const double k = art_percent / 100.0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float m = 0;
      for (int dy = -grow; dy <= grow; ++dy)
        for (int dx = -grow; dx <= grow; ++dx)
          if (dx * dx + dy * dy <= grow * grow + 1) m = std::max(m, word.at(x + dx, y + dy));
      body.alpha[y * W + x] = m;
    }
  std::vector<Colour> img(size_t(W) * H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      Colour c = ground(int(x / k), int(y / k));
      // A soft shadow cast down and to the right on the ground.
      double shade = 0;
      const int shadow_from = DEPTH + scaled(2), shadow_to = DEPTH + scaled(6);
      for (int d = shadow_from; d <= shadow_to; ++d)
        shade += body.at(x - d, y - d) / double(shadow_to - shadow_from + 1);
      c = mix(c, {120, 160, 120}, shade * 0.55);
      // The sides: the letter's outline pushed back, darkest furthest from the face.
      for (int d = DEPTH; d >= 0; --d) {
        double a = body.at(x - d, y - d);
        if (a <= 0) continue;
        double t = double(d) / DEPTH;
        Colour side = mix({40, 60, 190}, {0, 0, 96}, t);
        c = mix(c, side, a);
      }
      double a = word.at(x, y);
      if (a > 0) {
        // The face: white, a breath of blue towards its lower edge.
        double edge = std::min(1.0, (1.0 - word.at(x + grow, y + grow)) * 0.9);
        Colour face = mix({255, 255, 255}, {200, 215, 245}, edge * 0.6);
        c = mix(c, face, a);
      }
      // A darker rim just inside the ellipse the window is cut to, so the banner has an edge.
      double ex = (x + 0.5 - W / 2.0) / (W / 2.0), ey = (y + 0.5 - H / 2.0) / (H / 2.0);
      double rim = (1.0 - std::sqrt(ex * ex + ey * ey)) * (H / 2.0);
      if (rim < 3.0 * k) c = mix(c, {70, 130, 80}, std::max(0.0, 1.0 - std::fabs(rim - 1.5 * k) / (1.5 * k)));
      else if (rim < 10.0 * k) c = mix(c, {160, 205, 160}, (10.0 * k - rim) / (7.0 * k) * 0.6);
      img[y * W + x] = c;
    }
  return img;
}

// Median cut: boxes of colours split at the median of their widest channel until there
// are `count` of them; every pixel takes its box's mean, so every entry is used.
struct Box {
  std::vector<int> members;  // pixel numbers
};

int channel(const Colour& c, int k) { return int(std::lround(k == 0 ? c.r : k == 1 ? c.g : c.b)); }

std::pair<int, int> widest(const Box& b, const std::vector<Colour>& img) {
  int best = 0, range = -1;
  for (int k = 0; k < 3; ++k) {
    int lo = 255, hi = 0;
    for (int m : b.members) {
      int v = channel(img[m], k);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    if (hi - lo > range) {
      range = hi - lo;
      best = k;
    }
  }
  return {best, range};
}

}  // namespace

Picture draw_omigoto(std::vector<Rgb>& table) {
  W = scaled(500);
  H = scaled(250);
  DEPTH = scaled(12);
  std::vector<Colour> img = render();
  std::vector<Box> boxes(1);
  for (int i = 0; i < W * H; ++i) boxes[0].members.push_back(i);
  while (int(boxes.size()) < USED_COLOURS) {
    int pick = -1, pick_range = 0, pick_channel = 0;
    for (int i = 0; i < int(boxes.size()); ++i) {
      auto [k, range] = widest(boxes[i], img);
      if (range * std::sqrt(double(boxes[i].members.size())) >
          pick_range * std::sqrt(double(pick < 0 ? 0 : boxes[pick].members.size()))) {
        pick = i;
        pick_range = range;
        pick_channel = k;
      }
    }
    if (pick < 0) break;
    auto& m = boxes[pick].members;
    std::stable_sort(m.begin(), m.end(), [&](int a, int b) {
      return channel(img[a], pick_channel) < channel(img[b], pick_channel);
    });
    Box upper;
    upper.members.assign(m.begin() + m.size() / 2, m.end());
    m.resize(m.size() / 2);
    boxes.push_back(upper);
  }
  table.assign(256, Rgb{0, 0, 0});
  Picture p = make_picture(W, H, 0);
  for (int i = 0; i < int(boxes.size()); ++i) {
    double r = 0, g = 0, b = 0;
    for (int m : boxes[i].members) {
      r += img[m].r;
      g += img[m].g;
      b += img[m].b;
      p.pixels[m] = uint8_t(i);
    }
    double n = double(boxes[i].members.size());
    table[i] = {uint8_t(std::lround(r / n)), uint8_t(std::lround(g / n)), uint8_t(std::lround(b / n))};
  }
  return p;
}
