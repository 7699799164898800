// Indexed pictures: filling, majority-sampled shapes and coverage resampling.
#include "picture.h"

#include <algorithm>
#include <cmath>

double art_percent = 100;

Picture make_picture(int width, int height, uint8_t fill) {
  Picture p;
  p.width = width;
  p.height = height;
  p.pixels.assign(size_t(width) * height, fill);
  return p;
}

void paint_shape(Picture& p, const Rect& clip, const Shape& shape) {
  const double k = art_percent / 100.0;
  for (int y = clip.top; y < clip.bottom; ++y) {
    for (int x = clip.left; x < clip.right; ++x) {
      int votes[257] = {};
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) votes[shape((x + (sx + 0.5) / 4) / k, (y + (sy + 0.5) / 4) / k) + 1]++;
      int best = 0;
      for (int i = 1; i < 257; ++i)
        if (votes[i] > votes[best]) best = i;
      if (best != 0) set_pixel(p, x, y, uint8_t(best - 1));
    }
  }
}

Coverage resample(const Coverage& c, int width, int height) {
  Coverage out;
  out.width = width;
  out.height = height;
  out.alpha.assign(size_t(width) * height, 0.0f);
  double sx = double(c.width) / width, sy = double(c.height) / height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
      double sum = 0;
      for (int iy = int(y0); iy < int(std::ceil(y1)) && iy < c.height; ++iy) {
        double wy = std::min<double>(iy + 1, y1) - std::max<double>(iy, y0);
        for (int ix = int(x0); ix < int(std::ceil(x1)) && ix < c.width; ++ix) {
          double wx = std::min<double>(ix + 1, x1) - std::max<double>(ix, x0);
          sum += wx * wy * c.at(ix, iy);
        }
      }
      out.alpha[y * width + x] = float(sum / (sx * sy));
    }
  }
  return out;
}
