// Pictures with 8-bit colour and alpha, painted with smooth edges: the icon's sizes.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "picture.h"

struct Rgba {
  uint8_t r, g, b, a;
};

// Top-down rows; a new picture is clear (alpha 0) everywhere.
struct RgbaPicture {
  int width = 0, height = 0;
  std::vector<Rgba> pixels;
};

RgbaPicture make_rgba_picture(int width, int height);

// Whether a point (pixel units, pixel centres at +0.5) lies inside a shape.
using Region = std::function<bool(double x, double y)>;

// Lays `colour` over each pixel of `clip` by the share of its 8 x 8 samples inside the
// region: a shape on whole pixels stays hard, a round one gets a smooth rim.
void fill(RgbaPicture& p, const Rect& clip, const Region& inside, Rgba colour);
void fill_rect(RgbaPicture& p, const Rect& r, Rgba colour);
