// FreeType rendering of single characters into coverage maps.
#include "glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int RENDER_SIZE = 512;

FT_Face open_face(FontKind font) {
  static FT_Library library = nullptr;
  static FT_Face faces[2] = {nullptr, nullptr};
  static const char* paths[2] = {"/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
                                 "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"};
  if (!library && FT_Init_FreeType(&library)) {
    std::fprintf(stderr, "FreeType does not start\n");
    std::exit(1);
  }
  if (!faces[font] && FT_New_Face(library, paths[font], 0, &faces[font])) {
    std::fprintf(stderr, "cannot open %s\n", paths[font]);
    std::exit(1);
  }
  return faces[font];
}

// Renders at `size` pixels per em; the bitmap and its placement stay in the face's slot.
FT_GlyphSlot render(FontKind font, char32_t code, int size) {
  FT_Face face = open_face(font);
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(size));
  if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP)) {
    std::fprintf(stderr, "no glyph for U+%04X\n", unsigned(code));
    std::exit(1);
  }
  return face->glyph;
}

Coverage from_bitmap(const FT_Bitmap& b, int width, int height, int left, int top) {
  Coverage c;
  c.width = width;
  c.height = height;
  c.alpha.assign(size_t(width) * height, 0.0f);
  for (unsigned y = 0; y < b.rows; ++y)
    for (unsigned x = 0; x < b.width; ++x) {
      int tx = left + int(x), ty = top + int(y);
      if (tx >= 0 && ty >= 0 && tx < width && ty < height)
        c.alpha[ty * width + tx] = b.buffer[y * b.pitch + x] / 255.0f;
    }
  return c;
}

// The smallest box that holds every pixel with visible ink.
Coverage trimmed(const Coverage& c) {
  int left = c.width, top = c.height, right = -1, bottom = -1;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x)
      if (c.at(x, y) > 0.1f) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  Coverage out;
  out.width = std::max(0, right - left + 1);
  out.height = std::max(0, bottom - top + 1);
  out.alpha.assign(size_t(out.width) * out.height, 0.0f);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.alpha[y * out.width + x] = c.at(left + x, top + y);
  return out;
}

}  // namespace

Coverage glyph_ink(FontKind font, char32_t code) {
  FT_GlyphSlot slot = render(font, code, RENDER_SIZE);
  return from_bitmap(slot->bitmap, int(slot->bitmap.width), int(slot->bitmap.rows), 0, 0);
}

Coverage glyph_in_box(FontKind font, char32_t code, int width, int height) {
  return resample(glyph_ink(font, code), width, height);
}

// Grows the ink by a disc of `radius` pixels (a maximum filter), for bolder strokes.
static Coverage thickened(const Coverage& c, int radius) {
  std::vector<std::pair<int, int>> disc;
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx)
      if (dx * dx + dy * dy <= radius * radius) disc.push_back({dx, dy});
  Coverage out = c;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      float m = c.at(x, y);
      for (auto [dx, dy] : disc) {
        if (m >= 1.0f) break;
        m = std::max(m, c.at(x + dx, y + dy));
      }
      out.alpha[y * c.width + x] = m;
    }
  return out;
}

Coverage glyph_em(FontKind font, char32_t code, int size, int bold) {
  FT_GlyphSlot slot = render(font, code, RENDER_SIZE);
  FT_Face face = open_face(font);
  // The em square's top is the ascender scaled so that ascender - descender is one em.
  double units = face->ascender - face->descender;
  int baseline = int(RENDER_SIZE * face->ascender / units + 0.5);
  Coverage em = from_bitmap(slot->bitmap, RENDER_SIZE, RENDER_SIZE, slot->bitmap_left,
                            baseline - slot->bitmap_top);
  return resample(bold > 0 ? thickened(em, bold) : em, size, size);
}

Coverage glyph_hinted(FontKind font, char32_t code, int size, double bold_x, double bold_y, bool mono) {
  FT_Face face = open_face(font);
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(size));
  FT_Int32 load = mono ? FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT : FT_LOAD_DEFAULT;
  if (FT_Load_Char(face, code, load | FT_LOAD_NO_BITMAP)) {
    std::fprintf(stderr, "no glyph for U+%04X\n", unsigned(code));
    std::exit(1);
  }
  // Emboldening grows both sides by half the strength; moving the outline back by that
  // half keeps strokes that the hinting put on whole pixels on whole pixels.
  FT_Outline_EmboldenXY(&face->glyph->outline, FT_Pos(bold_x * 64), FT_Pos(bold_y * 64));
  FT_Outline_Translate(&face->glyph->outline, FT_Pos(bold_x * 32), FT_Pos(bold_y * 32));
  FT_Render_Glyph(face->glyph, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL);
  FT_Bitmap b = face->glyph->bitmap;
  if (!mono) return trimmed(from_bitmap(b, int(b.width), int(b.rows), 0, 0));
  // One bit a pixel: spread it to bytes so the coverage reader can take it like the rest.
  std::vector<unsigned char> bytes(size_t(b.width) * b.rows);
  for (unsigned y = 0; y < b.rows; ++y)
    for (unsigned x = 0; x < b.width; ++x)
      bytes[y * b.width + x] = (b.buffer[y * b.pitch + x / 8] >> (7 - x % 8)) & 1 ? 255 : 0;
  b.buffer = bytes.data();
  b.pitch = int(b.width);
  return trimmed(from_bitmap(b, int(b.width), int(b.rows), 0, 0));
}

void stamp(Picture& p, const Rect& clip, const Coverage& c, int left, int top,
           int (*ink)(float alpha, int colour), int colour) {
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      int px = left + x, py = top + y;
      if (px < clip.left || py < clip.top || px >= clip.right || py >= clip.bottom) continue;
      int v = ink(c.at(x, y), colour);
      if (v >= 0) set_pixel(p, px, py, uint8_t(v));
    }
}
