// The program's icon, painted for each size the system asks for: four tiles in a square,
// a selected pair of 中 on cyan, the green tile the path between them turns on, and a
// spare bearing ◎. Every length is chosen for its size, so strokes and edges fall on
// whole pixels; the small sizes have fewer and bolder strokes.
#include "icon_cursor.h"

#include <algorithm>
#include <cmath>

namespace {

const Rgba LIME{0, 235, 0, 255}, LIME_EDGE{170, 255, 170, 255}, CYAN{0, 240, 240, 255},
    CYAN_EDGE{200, 255, 255, 255}, IVORY{235, 235, 245, 255}, WHITE{255, 255, 255, 255},
    RED{230, 0, 0, 255}, INK{0, 0, 0, 255}, SILVER{192, 192, 192, 255}, GOLD{170, 150, 0, 255},
    GREY{128, 128, 128, 255}, OLIVE{128, 128, 0, 255}, PATH{0, 255, 255, 255}, PATH_EDGE{0, 110, 110, 255};

// Lengths in pixels at one size: the margin round the square, a tile's whole width with
// its sides, the sides' depth, the bright top and left edge of a face, the stroke of
// the characters, and the width of the path.
struct IconLayout {
  int size, margin, tile, depth, edge, stroke, path;
};

const IconLayout LAYOUTS[] = {
    {16, 0, 8, 1, 0, 1, 2},       {20, 0, 10, 1, 0, 1, 2},      {24, 0, 12, 1, 1, 1, 2},
    {28, 0, 14, 2, 1, 2, 2},      {32, 1, 15, 2, 1, 2, 2},      {40, 1, 19, 2, 1, 2, 3},
    {48, 1, 23, 3, 1, 3, 3},      {56, 1, 27, 3, 1, 3, 4},      {64, 2, 30, 4, 2, 3, 4},
    {80, 2, 38, 5, 2, 4, 5},      {96, 3, 45, 6, 2, 5, 6},      {256, 8, 120, 14, 4, 12, 14},
};

IconLayout layout_for(int size) {
  for (const IconLayout& l : LAYOUTS)
    if (l.size == size) return l;
  return LAYOUTS[4];
}

Rect face_of(const IconLayout& l, int left, int top) {
  return {left, top, left + l.tile - l.depth, top + l.tile - l.depth};
}

// A block seen from the upper left: the face, a bright top and left edge, and the sides to
// the right and below, each a lighter inner and a darker outer strip.
Rect tile(RgbaPicture& p, const IconLayout& l, int left, int top, Rgba face, Rgba edge) {
  const int right = left + l.tile, bottom = top + l.tile, outer = std::max(1, (l.depth * 2 + 2) / 5);
  const Rect f = face_of(l, left, top);
  fill_rect(p, {left + l.depth, f.bottom, right, bottom}, GREY);
  fill_rect(p, {left + l.depth, bottom - outer, right, bottom}, OLIVE);
  fill_rect(p, {f.right, top + l.depth, right, bottom}, SILVER);
  fill_rect(p, {right - outer, top + l.depth, right, bottom}, GOLD);
  fill_rect(p, f, face);
  fill_rect(p, {f.left, f.top, f.right, f.top + l.edge}, edge);
  fill_rect(p, {f.left, f.top, f.left + l.edge, f.bottom}, edge);
  return {f.left + l.edge, f.top + l.edge, f.right, f.bottom};
}

// 中: a box across the upper middle and one stroke through it from top to bottom, on
// whole pixels and centred where the widths allow.
void chun(RgbaPicture& p, const IconLayout& l, Rect ground) {
  // Hairline strokes keep a margin to the face's sides; bolder ones take the width for
  // the openings of the box.
  const int w = l.stroke, pad_x = (ground.right - ground.left + (w == 1 ? 6 : 0)) / 12,
            pad_y = (ground.bottom - ground.top + 8) / 16;
  Rect a = {ground.left + pad_x, ground.top + pad_y, ground.right - pad_x, ground.bottom - pad_y};
  if ((a.right - a.left - w) % 2) --a.right;
  const int height = a.bottom - a.top, box = std::max(3 * w, height * 11 / 20);
  const int box_top = a.top + (height - box) * 2 / 5, mid = a.left + (a.right - a.left - w) / 2;
  fill_rect(p, {mid, a.top, mid + w, a.bottom}, RED);
  fill_rect(p, {a.left, box_top, a.right, box_top + w}, RED);
  fill_rect(p, {a.left, box_top + box - w, a.right, box_top + box}, RED);
  fill_rect(p, {a.left, box_top, a.left + w, box_top + box}, RED);
  fill_rect(p, {a.right - w, box_top, a.right, box_top + box}, RED);
}

// ◎ on the small grounds, pixel by pixel: rings drawn to scale there break into steps.
const char* const RINGS_7[] = {"..###..", ".#...#.", "#..#..#", "#.###.#", "#..#..#", ".#...#.", "..###.."};
const char* const RINGS_9[] = {"..#####..", ".#.....#.", "#.......#", "#..###..#", "#..#.#..#",
                               "#..###..#", "#.......#", ".#.....#.", "..#####.."};
const char* const RINGS_10[] = {"...####...", ".##....##.", ".#......#.", "#...##...#", "#..#..#..#",
                                "#..#..#..#", "#...##...#", ".#......#.", ".##....##.", "...####..."};
const char* const RINGS_11[] = {"...#####...", "..#.....#..", ".#.......#.", "#...###...#",
                                "#..#...#..#", "#..#...#..#", "#..#...#..#", "#...###...#",
                                ".#.......#.", "..#.....#..", "...#####..."};
const char* const RINGS_12[] = {"....####....", "..##....##..", ".#........#.", ".#..####..#.",
                                "#..#....#..#", "#..#....#..#", "#..#....#..#", "#..#....#..#",
                                ".#..####..#.", ".#........#.", "..##....##..", "....####...."};
const char* const* const SMALL_RINGS[] = {RINGS_7, nullptr, RINGS_9, RINGS_10, RINGS_11, RINGS_12};

// ◎: two rings round the middle of the ground.
void double_circle(RgbaPicture& p, const IconLayout& l, Rect ground) {
  const int gw = ground.right - ground.left, gh = ground.bottom - ground.top;
  if (gw >= 7 && gw <= 12 && SMALL_RINGS[gw - 7]) {
    const char* const* rows = SMALL_RINGS[gw - 7];
    for (int y = 0; y < gw; ++y)
      for (int x = 0; x < gw; ++x)
        if (rows[y][x] == '#') fill_rect(p, {ground.left + x, ground.top + y + (gh - gw) / 2, ground.left + x + 1,
                                            ground.top + y + (gh - gw) / 2 + 1}, INK);
    return;
  }
  const double cx = ground.left + gw / 2.0, cy = ground.top + gh / 2.0;
  const double outer = std::min(gw, gh) / 2.0 - gw / 12.0, w = std::max(1.4, l.stroke * 0.6);
  const double inner = outer * 0.5;
  fill(p, ground, [=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    return (d <= outer && d >= outer - w) || (d <= inner && d >= inner - w);
  }, INK);
}

}  // namespace

RgbaPicture draw_program_icon(int size) {
  const IconLayout l = layout_for(size);
  RgbaPicture p = make_rgba_picture(size, size);
  const int a = l.margin, b = l.margin + l.tile;
  const Rect green = tile(p, l, a, a, LIME, LIME_EDGE);
  // The path: from the middle of the green tile right to the one pair tile and down to
  // the other, under both.
  const int mid_x = (green.left + green.right - l.path) / 2, mid_y = (green.top + green.bottom - l.path) / 2;
  const int rim = l.path >= 3 ? 1 : 0;
  fill_rect(p, {mid_x - rim, mid_y - rim, b + 1, mid_y + l.path + rim}, PATH_EDGE);
  fill_rect(p, {mid_x - rim, mid_y - rim, mid_x + l.path + rim, b + 1}, PATH_EDGE);
  fill_rect(p, {mid_x, mid_y, b + 1, mid_y + l.path}, PATH);
  fill_rect(p, {mid_x, mid_y, mid_x + l.path, b + 1}, PATH);
  chun(p, l, tile(p, l, b, a, CYAN, CYAN_EDGE));
  chun(p, l, tile(p, l, a, b, CYAN, CYAN_EDGE));
  double_circle(p, l, tile(p, l, b, b, IVORY, WHITE));
  return p;
}
