// The shared tile body: a face lit from the upper left on a block seen from above left.
#include "tile_frame.h"

#include <cmath>

namespace {

// At 96 DPI the edge between the lower and the right side face was placed by hand,
// pixel by pixel, in rows 49-61; larger tiles take the straight line it follows.
const int LOWER_SIDE_END_96[13] = {34, 35, 35, 36, 37, 37, 38, 39, 39, 40, 40, 41, 42};

int lower_side_end(int y, int width, int height) {
  if (art_percent == 100) return LOWER_SIDE_END_96[y - 49];
  int top = scaled(49), left = scaled(34);
  return left + int(std::lround(double(y - top) * (width - 1 - left) / (height - 1 - top)));
}

uint8_t right_side_colour(int x) { return x < scaled(40) ? T_SILVER : T_GOLD; }

}  // namespace

std::vector<Rgb> tile_colour_table() {
  std::vector<Rgb> t = {{235, 235, 245}, {128, 128, 128}, {192, 192, 192}, {170, 150, 0},
                        {128, 128, 0},   {0, 0, 0},       {255, 0, 0},     {255, 255, 255},
                        {0, 90, 0},      {0, 0, 128},     {205, 205, 205}, {255, 0, 255},
                        {0, 128, 128},   {0, 255, 255},   {0, 255, 0},     {255, 255, 0},
                        {235, 235, 245}};
  t.resize(256, Rgb{0, 0, 0});
  return t;
}

Picture make_blank_tile() {
  const int width = scaled(43), height = scaled(62);
  const int face_right = scaled(35), edge = scaled(1), face_bottom = scaled(49);
  Picture p = make_picture(width, height, T_GROUND);
  for (int y = 0; y < face_bottom; ++y)
    for (int x = 0; x < width; ++x) {
      // Light from the upper left: bright top and left edges, greyer right and bottom ones.
      uint8_t v = pixel(p, x, y);
      if (x >= face_right) v = right_side_colour(x);
      else if (y < edge) v = T_WHITE;
      else if (y >= face_bottom - edge) v = T_SILVER;
      else if (x < edge) v = T_WHITE;
      else if (x >= face_right - edge) v = T_PALE;
      set_pixel(p, x, y, v);
    }
  for (int y = face_bottom; y < height; ++y) {
    int end = lower_side_end(y, width, height);
    for (int x = 0; x < width; ++x)
      set_pixel(p, x, y, x <= end ? uint8_t(y < scaled(58) ? T_GREY : T_OLIVE) : right_side_colour(x));
  }
  return p;
}
