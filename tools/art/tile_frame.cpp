// The shared tile body: a face lit from the upper left on a block seen from above left.
#include "tile_frame.h"

const int LOWER_SIDE_END[13] = {34, 35, 35, 36, 37, 37, 38, 39, 39, 40, 40, 41, 42};

std::vector<Rgb> tile_colour_table() {
  std::vector<Rgb> t = {{235, 235, 245}, {128, 128, 128}, {192, 192, 192}, {170, 150, 0},
                        {128, 128, 0},   {0, 0, 0},       {255, 0, 0},     {255, 255, 255},
                        {0, 90, 0},      {0, 0, 128},     {205, 205, 205}, {255, 0, 255},
                        {0, 128, 128},   {0, 255, 255},   {0, 255, 0},     {255, 255, 0},
                        {235, 235, 245}};
  t.resize(256, Rgb{0, 0, 0});
  return t;
}

static uint8_t right_side_colour(int x) { return x <= 39 ? T_SILVER : T_GOLD; }

Picture make_blank_tile() {
  Picture p = make_picture(TILE_WIDTH, TILE_HEIGHT, T_GROUND);
  for (int y = 0; y <= 48; ++y) {
    // Light from the upper left: bright top and left edges, greyer right and bottom ones.
    set_pixel(p, 0, y, T_WHITE);
    set_pixel(p, 34, y, T_PALE);
    for (int x = 35; x < TILE_WIDTH; ++x) set_pixel(p, x, y, right_side_colour(x));
  }
  for (int x = 0; x <= 34; ++x) {
    set_pixel(p, x, 0, T_WHITE);
    set_pixel(p, x, 48, T_SILVER);
  }
  for (int y = 49; y < TILE_HEIGHT; ++y) {
    int end = LOWER_SIDE_END[y - 49];
    for (int x = 0; x < TILE_WIDTH; ++x)
      set_pixel(p, x, y, x <= end ? uint8_t(y <= 57 ? T_GREY : T_OLIVE) : right_side_colour(x));
  }
  return p;
}
