// Smooth-edged painting over pictures with alpha.
#include "rgba_picture.h"

#include <algorithm>

RgbaPicture make_rgba_picture(int width, int height) {
  RgbaPicture p;
  p.width = width;
  p.height = height;
  p.pixels.assign(size_t(width) * height, Rgba{0, 0, 0, 0});
  return p;
}

namespace {

// `colour` at `share` of its own alpha laid over `under`.
Rgba over(Rgba under, Rgba colour, double share) {
  const double a = share * colour.a / 255.0, b = under.a / 255.0 * (1 - a), out = a + b;
  if (out <= 0) return Rgba{0, 0, 0, 0};
  auto mix = [&](uint8_t top, uint8_t bottom) { return uint8_t((top * a + bottom * b) / out + 0.5); };
  return Rgba{mix(colour.r, under.r), mix(colour.g, under.g), mix(colour.b, under.b), uint8_t(out * 255 + 0.5)};
}

}  // namespace

void fill(RgbaPicture& p, const Rect& clip, const Region& inside, Rgba colour) {
  const int top = std::max(clip.top, 0), bottom = std::min(clip.bottom, p.height);
  const int left = std::max(clip.left, 0), right = std::min(clip.right, p.width);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 8; ++sy)
        for (int sx = 0; sx < 8; ++sx) hits += inside(x + (sx + 0.5) / 8, y + (sy + 0.5) / 8);
      if (hits) p.pixels[size_t(y) * p.width + x] = over(p.pixels[size_t(y) * p.width + x], colour, hits / 64.0);
    }
}

void fill_rect(RgbaPicture& p, const Rect& r, Rgba colour) {
  fill(p, r, [](double, double) { return true; }, colour);
}
