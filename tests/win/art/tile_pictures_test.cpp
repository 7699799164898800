// The 144 tile pictures: one shared layout, so the highlight rewrites exactly the face ground.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "art_resources.h"
#include "art_sets.h"

namespace {

constexpr int W = 43, H = 62, STRIDE = 44, PIXELS = 1064;

// What the frame of every tile holds at (x, y); -1 on the ground, where the face is engraved.
int frame_index(int x, int y) {
  static const int lower_side_end[13] = {34, 35, 35, 36, 37, 37, 38, 39, 39, 40, 40, 41, 42};
  int right_side = x <= 39 ? 2 : 3;
  if (y <= 48 && x >= 35) return right_side;
  if (y == 0) return 7;
  if (y == 48) return 2;
  if (y <= 47 && x == 0) return 7;
  if (y <= 47 && x == 34) return 10;
  if (y <= 47) return -1;
  if (x > lower_side_end[y - 49]) return right_side;
  return y <= 57 ? 1 : 4;
}

TEST(TilePictures, ShareHeaderAndColourTable) {
  static const uint8_t first17[17][3] = {
      {235, 235, 245}, {128, 128, 128}, {192, 192, 192}, {170, 150, 0}, {128, 128, 0},
      {0, 0, 0},       {255, 0, 0},     {255, 255, 255}, {0, 90, 0},   {0, 0, 128},
      {205, 205, 205}, {255, 0, 255},   {0, 128, 128},   {0, 255, 255}, {0, 255, 0},
      {255, 255, 0},   {235, 235, 245}};
  for (int id = 101; id <= 244; ++id) {
    RawResource r = raw_resource(id, RT_BITMAP);
    ASSERT_NE(r.bytes, nullptr) << id;
    ASSERT_EQ(r.size, 3792u) << id;
    EXPECT_EQ(read_i32(r.bytes), 40);
    EXPECT_EQ(read_i32(r.bytes + 4), W);
    EXPECT_EQ(read_i32(r.bytes + 8), H) << "rows stored bottom-up";
    EXPECT_EQ(read_u16(r.bytes + 12), 1);
    EXPECT_EQ(read_u16(r.bytes + 14), 8);
    EXPECT_EQ(read_i32(r.bytes + 32), 0) << "the table length must follow from the depth";
    for (int i = 0; i < 256; ++i) {
      const uint8_t* e = r.bytes + 40 + 4 * i;
      const uint8_t want[3] = {i < 17 ? first17[i][0] : uint8_t(0), i < 17 ? first17[i][1] : uint8_t(0),
                               i < 17 ? first17[i][2] : uint8_t(0)};
      ASSERT_TRUE(e[2] == want[0] && e[1] == want[1] && e[0] == want[2] && e[3] == 0)
          << "tile " << id << " colour " << i;
    }
  }
}

// The first pixel of a tile that breaks the layout, or "" when every pixel keeps it: frame,
// side faces, staircase corner, padding, and a ground that holds only the normal mark and
// the twelve art colours, mostly the mark so that a highlight shows. Index 16 nowhere else
// also keeps every ground pixel inside the bytes the highlight rewrites.
std::string first_layout_fault(const uint8_t* dib) {
  int ground = 0;
  for (int y = 0; y < H; ++y) {
    if (dib[PIXELS + STRIDE * (H - 1 - y) + W] != 0) return "padding of row " + std::to_string(y);
    for (int x = 0; x < W; ++x) {
      int v = dib_index(dib, 256, x, y), want = frame_index(x, y);
      std::string at = "(" + std::to_string(x) + ", " + std::to_string(y) + ") holds " + std::to_string(v);
      if (want >= 0 && v != want) return at + " instead of " + std::to_string(want);
      if (want < 0 && v != 16 && (v < 1 || v > 12)) return at + " on the ground";
      ground += want < 0 && v == 16;
    }
  }
  if (ground <= 33 * 47 / 2) return "only " + std::to_string(ground) + " pixels of ground";
  return "";
}

TEST(TilePictures, FollowTheTileLayout) {
  for (int id = 101; id <= 244; ++id) {
    const uint8_t* dib = raw_resource(id, RT_BITMAP).bytes;
    ASSERT_NE(dib, nullptr);
    EXPECT_EQ(first_layout_fault(dib), "") << "tile " << id;
  }
}

// At every display scale: the tile's size, the tile table, no pixel in the highlight's other
// marks (13-15) or past the table, and the normal mark only on the face's ground, which it
// mostly covers, so the highlight recolours the whole ground and nothing else.
std::string first_fault_at(const uint8_t* dib, int set) {
  const TileSize tile = tile_size_at(set);
  if (read_i32(dib + 4) != tile.width || read_i32(dib + 8) != tile.height || read_u16(dib + 14) != 8)
    return "size " + std::to_string(read_i32(dib + 4)) + " x " + std::to_string(read_i32(dib + 8));
  if (std::memcmp(dib + 40, raw_resource(101, RT_BITMAP).bytes + 40, 1024) != 0) return "colour table";
  const int left = scale_length(1, set), right = scale_length(34, set), bottom = scale_length(48, set);
  int ground = 0;
  for (int y = 0; y < tile.height; ++y)
    for (int x = 0; x < tile.width; ++x) {
      const int v = dib_index(dib, 256, x, y);
      const bool on_ground = x >= left && x < right && y >= left && y < bottom;
      std::string at = "(" + std::to_string(x) + ", " + std::to_string(y) + ") holds " + std::to_string(v);
      if ((v >= 13 && v <= 15) || v > 16 || (v == 16 && !on_ground)) return at;
      ground += v == 16;
    }
  if (ground <= (right - left) * (bottom - left) / 2) return "only " + std::to_string(ground) + " pixels of ground";
  return "";
}

// Pixels where a picture differs from the 96-DPI one blown up to its size.
int unlike_blown_up(const uint8_t* dib, const uint8_t* dib_96, int set) {
  const TileSize tile = tile_size_at(set);
  int unlike = 0;
  for (int y = 0; y < tile.height; ++y)
    for (int x = 0; x < tile.width; ++x)
      unlike += dib_index(dib, 256, x, y) != dib_index(dib_96, 256, x * 100 / set, y * 100 / set);
  return unlike;
}

// Each set is drawn for its scale: none is the 96-DPI set blown up.
TEST(TilePictures, EverySetFollowsTheTileLayoutAtItsScale) {
  for (int set : ART_SET_PERCENTS) {
    int unlike = 0;
    for (int id = 101; id <= 244; ++id) {
      const uint8_t* dib = art_picture(id, set);
      ASSERT_NE(dib, nullptr) << "tile " << id << " at " << set;
      ASSERT_EQ(first_fault_at(dib, set), "") << "tile " << id << " at " << set;
      unlike += unlike_blown_up(dib, raw_resource(id, RT_BITMAP).bytes, set);
    }
    if (set != 100) EXPECT_GT(unlike, 0) << set << " % is the 96-DPI set blown up";
  }
}

// The face's four edges at each set: one pixel at 96 DPI, that pixel scaled at the others,
// the same on every side. Measured on the blank face, across its middle.
struct FaceEdges {
  int set, edge;
};

const FaceEdges FACE_EDGES[] = {{100, 1}, {125, 1}, {150, 2}, {175, 2}, {200, 2}, {250, 3}, {300, 3}};

// How many pixels of `index` run from (x, y) in steps of (dx, dy).
int run_of(const uint8_t* dib, int index, int x, int y, int dx, int dy) {
  int n = 0;
  for (; dib_index(dib, 256, x, y) == index; x += dx, y += dy) ++n;
  return n;
}

TEST(TilePictures, FaceEdgesAreAlikeOnAllFourSides) {
  for (const FaceEdges& row : FACE_EDGES) {
    const uint8_t* dib = art_picture(101 + 29, row.set);
    ASSERT_NE(dib, nullptr) << row.set;
    const int middle_x = scale_length(17, row.set), middle_y = scale_length(24, row.set);
    int right_side = 0, lower_side = 0;
    while (dib_index(dib, 256, right_side, middle_y) != 2) ++right_side;
    while (dib_index(dib, 256, middle_x, lower_side) != 1) ++lower_side;
    EXPECT_EQ(run_of(dib, 7, 0, middle_y, 1, 0), row.edge) << "left at " << row.set;
    EXPECT_EQ(run_of(dib, 7, middle_x, 0, 0, 1), row.edge) << "top at " << row.set;
    EXPECT_EQ(run_of(dib, 10, right_side - 1, middle_y, -1, 0), row.edge) << "right at " << row.set;
    EXPECT_EQ(run_of(dib, 2, middle_x, lower_side - 1, 0, -1), row.edge) << "bottom at " << row.set;
  }
}

TEST(TilePictures, FourTwinsPerFaceAndThirtySixDistinctFaces) {
  for (int f = 0; f < 36; ++f) {
    RawResource first = raw_resource(101 + f, RT_BITMAP);
    for (int twin = 1; twin < 4; ++twin) {
      RawResource other = raw_resource(101 + f + 36 * twin, RT_BITMAP);
      EXPECT_EQ(std::memcmp(first.bytes, other.bytes, first.size), 0) << "face " << f << " twin " << twin;
    }
    for (int g = 0; g < f; ++g)
      EXPECT_NE(std::memcmp(first.bytes, raw_resource(101 + g, RT_BITMAP).bytes, first.size), 0)
          << "faces " << g << " and " << f << " look alike";
  }
}

}  // namespace
