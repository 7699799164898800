// Indexed pictures, colours and the drawing helpers every generator shares.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
  uint8_t r, g, b;
};

// Top-down rows of colour indices; the file writers turn them bottom-up.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;
};

struct Rect {
  int left, top, right, bottom;  // right and bottom excluded
};

Picture make_picture(int width, int height, uint8_t fill);
inline uint8_t pixel(const Picture& p, int x, int y) { return p.pixels[y * p.width + x]; }
inline void set_pixel(Picture& p, int x, int y, uint8_t v) { p.pixels[y * p.width + x] = v; }

// The scale pictures are drawn at, in percent of their 96-DPI size. Shapes and
// rectangles are written in 96-DPI units; painting places them at this scale.
// Whole percents for the display scales; the icon's sizes fall between them.
extern double art_percent;
inline int scaled(int length_96) { return int(length_96 * art_percent / 100 + 0.5); }
inline Rect scaled(const Rect& r) { return {scaled(r.left), scaled(r.top), scaled(r.right), scaled(r.bottom)}; }

// A shape given as a function of a point in pixel units (pixel centres at +0.5):
// the colour index there, or -1 where the shape leaves the picture alone.
using Shape = std::function<int(double x, double y)>;

// Each pixel of the clip (in the picture's own pixels) takes the colour most of its 4 x 4 samples agree on,
// which keeps edges hard (no colours outside the table) but placed to sub-pixel.
void paint_shape(Picture& p, const Rect& clip, const Shape& shape);

// Grey-level coverage in 0..1, as rendered type or shapes are before they meet a palette.
struct Coverage {
  int width = 0, height = 0;
  std::vector<float> alpha;
  float at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
    return alpha[y * width + x];
  }
};

// Area-averages a coverage into a box of exactly width x height pixels.
Coverage resample(const Coverage& c, int width, int height);
