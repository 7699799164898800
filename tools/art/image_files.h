// Writers of the file formats the resource compiler takes: BMP, ICO and CUR.
#pragma once
#include <string>
#include <vector>

#include "picture.h"
#include "rgba_picture.h"

// An 8- or 4-bit BMP with a 40-byte header and the whole table; colours used is left 0,
// so the table length follows from the depth.
void write_bmp(const std::string& path, const Picture& p, const std::vector<Rgb>& table, int bits);

// One square image of an icon or cursor file: its size, depth, bytes and (cursors) hot spot.
struct IconImage {
  int size, bits;
  std::vector<uint8_t> bytes;
  int hot_x, hot_y;
};

// 4 bits with the given table; index `transparent` becomes a clear pixel through the mask.
IconImage indexed_icon_image(const Picture& p, const std::vector<Rgb>& table, int transparent);
// 32 bits with alpha, stored as a DIB, or compressed as PNG (which the system reads from
// Windows Vista on).
IconImage rgba_icon_image(const RgbaPicture& p);
IconImage png_icon_image(const RgbaPicture& p);
void write_icon(const std::string& path, const std::vector<IconImage>& images, bool cursor);

// The DIB as a BITMAP resource holds it: header, whole table, bottom-up rows.
std::vector<uint8_t> packed_dib(const Picture& p, const std::vector<Rgb>& table, int bits);
void write_bytes(const std::string& path, const std::vector<uint8_t>& bytes);

void write_text(const std::string& path, const std::string& text);

// The 16 colours every 4-bit picture here uses.
std::vector<Rgb> standard_16_colours();
