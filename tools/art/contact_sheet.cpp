// The contact sheet: faces laid out as on the board at four times their size, the banners
// as the windows show them, the icon and the cursor at each of their sizes, on the game's
// own background.
#include "contact_sheet.h"

#include "banners.h"
#include "icon_cursor.h"
#include "image_files.h"
#include "png_bytes.h"
#include "tile_frame.h"

namespace {

struct Sheet {
  int width, height;
  std::vector<Rgb> rgb;
};

void blit(Sheet& s, const Picture& p, const std::vector<Rgb>& table, int left, int top, int scale,
          bool (*visible)(const Picture&, int x, int y)) {
  for (int y = 0; y < p.height * scale; ++y)
    for (int x = 0; x < p.width * scale; ++x) {
      int sx = x / scale, sy = y / scale;
      if (!visible(p, sx, sy)) continue;
      int tx = left + x, ty = top + y;
      if (tx >= 0 && ty >= 0 && tx < s.width && ty < s.height)
        s.rgb[ty * s.width + tx] = table[pixel(p, sx, sy)];
    }
}

bool everywhere(const Picture&, int, int) { return true; }
bool opaque(const Picture& p, int x, int y) { return pixel(p, x, y) != CLEAR; }

// The tile window's six-sided outline: the two slanted corners are cut away.
bool inside_tile_outline(const Picture&, int x, int y) {
  double px = x + 0.5, py = y + 0.5;
  if (px > 35 && py * 7 < (px - 35) * 13) return false;
  if (px < 8 && py > 49 && (py - 49) * 8 > px * 13) return false;
  return true;
}

bool inside_ellipse(const Picture& p, int x, int y) {
  double dx = (x + 0.5 - p.width / 2.0) / (p.width / 2.0), dy = (y + 0.5 - p.height / 2.0) / (p.height / 2.0);
  return dx * dx + dy * dy <= 1.0;
}

// An icon image laid over the sheet by its alpha, each pixel a square of `scale`.
void blit_rgba(Sheet& s, const RgbaPicture& p, int left, int top, int scale) {
  for (int y = 0; y < p.height * scale; ++y)
    for (int x = 0; x < p.width * scale; ++x) {
      const Rgba c = p.pixels[size_t(y / scale) * p.width + x / scale];
      Rgb& under = s.rgb[size_t(top + y) * s.width + left + x];
      auto mix = [&](uint8_t top_channel, uint8_t bottom) { return uint8_t((top_channel * c.a + bottom * (255 - c.a) + 127) / 255); };
      under = Rgb{mix(c.r, under.r), mix(c.g, under.g), mix(c.b, under.b)};
    }
}

}  // namespace

void write_contact_sheet(const std::string& path, const SheetParts& parts) {
  const int scale = 4, margin = 32, pitch_x = 36 * scale, pitch_y = 49 * scale;
  const int board_w = 8 * pitch_x + TILE_WIDTH * scale, board_h = 3 * pitch_y + TILE_HEIGHT * scale;
  Sheet s;
  s.width = board_w + 2 * margin;
  s.height = margin + board_h + margin + 288 + margin + 256 + margin + 112 + margin;
  s.rgb.assign(size_t(s.width) * s.height, Rgb{0, 0, 0});
  Picture pattern = draw_background();
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x)
      s.rgb[y * s.width + x] = parts.standard[pixel(pattern, (x / 2) % 8, (y / 2) % 8)];

  // One suit a row, the honours last; earlier tiles first, so later ones lie above them
  // as on the board.
  static const int order[36] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  10, 11, 12,
                                13, 14, 15, 16, 17, 18, 20, 21, 22, 23, 24, 25,
                                26, 27, 28, 30, 31, 32, 33, 9,  19, 29, 34, 35};
  for (int i = 0; i < 36; ++i)
    blit(s, parts.faces[order[i]], parts.tile_table, margin + (i % 9) * pitch_x,
         margin + (i / 9) * pitch_y, scale, inside_tile_outline);

  int top = margin + board_h + margin;
  blit(s, parts.omigoto, parts.omigoto_table, margin, top + (288 - 250) / 2, 1, inside_ellipse);
  int x = margin + 500 + margin;
  blit(s, parts.tezumari, parts.standard, x, top, 2, everywhere);
  x += 64 + margin;
  blit_rgba(s, parts.icons[4], x, top, 4);
  x += 128 + margin;
  blit(s, parts.cursors[0], parts.standard, x, top, 4, opaque);
  x += 128 + margin;
  // The faces once more at their true size, as the player meets them.
  for (int i = 0; i < 36; ++i)
    blit(s, parts.faces[order[i]], parts.tile_table, x + (i % 9) * 36, top + (i / 9) * 49, 1,
         inside_tile_outline);

  // The icon at every size it carries, as the system shows it, on one line; below, the
  // cursor at every size and the small icons four times over.
  top += 288 + margin;
  x = margin;
  for (const RgbaPicture& icon : parts.icons) {
    blit_rgba(s, icon, x, top + 256 - icon.height, 1);
    x += icon.width + 24;
  }
  top += 256 + margin;
  x = margin;
  for (const Picture& cursor : parts.cursors) {
    blit(s, cursor, parts.standard, x, top + 112 - cursor.height, 1, opaque);
    x += cursor.width + 24;
  }
  for (int i = 0; i < 4; ++i) {
    blit_rgba(s, parts.icons[i], x, top + 112 - 4 * parts.icons[i].height, 4);
    x += 4 * parts.icons[i].width + 24;
  }
  std::vector<uint8_t> rgb;
  for (const Rgb& c : s.rgb) rgb.insert(rgb.end(), {c.r, c.g, c.b});
  write_bytes(path, png_bytes(s.width, s.height, 3, rgb));
}
