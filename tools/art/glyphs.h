// Characters from the IPA fonts, rendered large by FreeType and returned as coverage.
#pragma once
#include "picture.h"

enum FontKind { MINCHO, GOTHIC };

// The inked part of a character, cropped to its ink, at a large rendering size.
Coverage glyph_ink(FontKind font, char32_t code);

// The ink scaled into exactly width x height pixels.
Coverage glyph_in_box(FontKind font, char32_t code, int width, int height);

// The character in its whole em square of size x size pixels, as typeset; `bold` thickens
// every stroke by that many 512ths of an em on each side.
Coverage glyph_em(FontKind font, char32_t code, int size, int bold = 0);

// The character rendered for the screen at `size` pixels per em: hinted, so strokes sit on
// whole pixels, and emboldened by `bold_x`, `bold_y` pixels; cropped to its ink. `mono`
// asks for a two-level rendering hinted for that, which keeps small type legible.
Coverage glyph_hinted(FontKind font, char32_t code, int size, double bold_x, double bold_y,
                      bool mono = false);

// Puts a coverage on a picture at (left, top): ink(alpha) names the index for each
// level, or -1 to leave the pixel alone. Pixels outside `clip` are never touched.
void stamp(Picture& p, const Rect& clip, const Coverage& c, int left, int top,
           int (*ink)(float alpha, int colour), int colour);
