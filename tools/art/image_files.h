// Writers of the file formats the resource compiler takes: BMP, ICO and CUR.
#pragma once
#include <string>
#include <vector>

#include "picture.h"

// An 8- or 4-bit BMP with a 40-byte header and the whole table; colours used is left 0,
// so the table length follows from the depth.
void write_bmp(const std::string& path, const Picture& p, const std::vector<Rgb>& table, int bits);

// Square 4-bit images, smallest first, in an icon (hot_x < 0) or cursor file; the hot
// spot is given for a 32-pixel image and scaled to each. Index `transparent` becomes a
// clear pixel through the AND mask.
void write_icon(const std::string& path, const std::vector<Picture>& pictures,
                const std::vector<Rgb>& table, int transparent, int hot_x, int hot_y);

// The DIB as a BITMAP resource holds it: header, whole table, bottom-up rows.
std::vector<uint8_t> packed_dib(const Picture& p, const std::vector<Rgb>& table, int bits);
void write_bytes(const std::string& path, const std::vector<uint8_t>& bytes);

void write_text(const std::string& path, const std::string& text);

// The 16 colours every 4-bit picture here uses.
std::vector<Rgb> standard_16_colours();
