// The sets of pictures the game carries, one for each display scale it is drawn at,
// and the tile's size at each. A set's figures are the 96-DPI ones scaled and rounded,
// so the tiles keep one equal step and the same overlap at every scale.
#pragma once

constexpr int ART_SET_PERCENTS[] = {100, 125, 150, 175, 200, 250, 300};
constexpr int ART_SET_COUNT = sizeof ART_SET_PERCENTS / sizeof ART_SET_PERCENTS[0];

// A 96-DPI length at a scale in percent, rounded to the nearest pixel.
constexpr int scale_length(int length_96, int percent) { return (length_96 * percent + 50) / 100; }

// The largest set made for a scale at or below `percent` (100 below the smallest).
constexpr int art_set_for(int percent) {
  int chosen = ART_SET_PERCENTS[0];
  for (int set : ART_SET_PERCENTS)
    if (set <= percent) chosen = set;
  return chosen;
}

// A tile picture at a set: its whole size, and the step from one tile to the next,
// which is also the size of its face (the rest is the side faces below and right).
struct TileSize {
  int width, height, step_x, step_y;
};

constexpr TileSize tile_size_at(int percent) {
  return TileSize{scale_length(43, percent), scale_length(62, percent),
                  scale_length(36, percent), scale_length(49, percent)};
}

// The stored picture that `resource_id` names at 100 %, in the set made for
// `set_percent`: a packed DIB the caller only reads (a set stored compressed is
// unpacked once and kept). Null when the program carries no such picture.
// Where a set carries none of its own (the cleared banner at 125, 175 and 250 %),
// it is the one of the set below: size its window from the picture's header.
const unsigned char* art_picture(int resource_id, int set_percent, int* size = nullptr);

// The set the game draws with now, chosen for the main window's scale. Changing it
// brings every tile's own picture to that set's size, each keeping its look.
extern int art_set_in_use;
void art_use_set(int set_percent);
