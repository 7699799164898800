// The owned tile buffers and the highlight that rewrites their colour indices.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <cstring>
#include <vector>
#include "art_sets.h"
#include "board.h"
#include "dib.h"
#include "state_reset.h"
#include "tile_pictures.h"

namespace {

constexpr int PICTURE_SIZE = 3792;
constexpr int PIXELS = 1064;   // 40-byte header and 256 colour entries

std::vector<unsigned char> snapshot(int image_id) {
  const unsigned char* dib = tile_picture(image_id);
  return std::vector<unsigned char>(dib, dib + PICTURE_SIZE);
}

// Every test starts and ends with buffers as stored in the resources.
class TileBuffers : public testing::Test {
 protected:
  void SetUp() override { presentation_reset(); }
  void TearDown() override { presentation_reset(); }
};

}  // namespace

TEST_F(TileBuffers, AreCopiesOfTheResourcesOnePerTileId) {
  for (int t = 0; t < TILE_COUNT; ++t) {
    const unsigned char* owned = tile_picture(IDB_PAI_FIRST + t);
    const unsigned char* stored = dib_resource(IDB_PAI_FIRST + t);
    ASSERT_NE(owned, nullptr);
    ASSERT_NE(owned, stored);
    ASSERT_EQ(std::memcmp(owned, stored, PICTURE_SIZE), 0) << t;
    if (t >= FACE_COUNT) EXPECT_NE(owned, tile_picture(IDB_PAI_FIRST + t - FACE_COUNT));
  }
  const unsigned char* first = tile_picture(IDB_PAI_FIRST);
  tile_pictures_load();   // later loads keep the buffers where they are
  EXPECT_EQ(first, tile_picture(IDB_PAI_FIRST));
}

TEST_F(TileBuffers, OutsideTheTileIdsThereIsNoBuffer) {
  EXPECT_EQ(tile_picture(IDB_PAI_FIRST - 1), nullptr);
  EXPECT_EQ(tile_picture(IDB_PAI_FIRST + TILE_COUNT), nullptr);
  std::vector<unsigned char> first = snapshot(IDB_PAI_FIRST);
  pai_recolor(nullptr, nullptr, IDB_PAI_FIRST - 1, 16, 0, 0, 13);
  pai_recolor_draw(nullptr, nullptr, IDB_PAI_FIRST + TILE_COUNT, 16, 0, 0, 13);
  pai_recolor(nullptr, nullptr, -5, 16, 0, 0, 13);
  EXPECT_EQ(snapshot(IDB_PAI_FIRST), first);
}

// Selecting tile 5 paints its ground cyan; the engraving, the edges, the padding
// and every other buffer, its three twins included, keep their bytes.
TEST_F(TileBuffers, SelectingRewritesOnlyTheGroundOfThatTile) {
  const int image = IDB_PAI_FIRST + 5;
  std::vector<std::vector<unsigned char>> before;
  for (int t = 0; t < TILE_COUNT; ++t) before.push_back(snapshot(IDB_PAI_FIRST + t));

  pai_recolor(nullptr, nullptr, image, MARK_NORMAL, MARK_HINT, MARK_SPARE, MARK_SELECTED);

  std::vector<unsigned char> after = snapshot(image);
  int changed = 0;
  for (int k = 0; k < PICTURE_SIZE; ++k) {
    if (before[5][k] == MARK_NORMAL) {
      ASSERT_EQ(after[k], MARK_SELECTED) << k;
      ++changed;
    } else {
      ASSERT_EQ(after[k], before[5][k]) << k;
    }
  }
  EXPECT_GT(changed, 33 * 47 / 2);   // the ground is most of the face
  for (int t = 0; t < TILE_COUNT; ++t)
    if (t != 5) ASSERT_EQ(snapshot(IDB_PAI_FIRST + t), before[t]) << t;

  pai_recolor(nullptr, nullptr, image, MARK_SELECTED, 0, 0, MARK_NORMAL);
  EXPECT_EQ(snapshot(image), before[5]);
}

TEST_F(TileBuffers, AbsentSourceIndicesChangeNothing) {
  const int image = IDB_PAI_FIRST + 40;
  std::vector<unsigned char> before = snapshot(image);
  pai_recolor(nullptr, nullptr, image, MARK_SELECTED, 0, 0, MARK_NORMAL);
  pai_recolor(nullptr, nullptr, image, MARK_HINT, MARK_SPARE, MARK_SELECTED, MARK_NORMAL);
  pai_recolor(nullptr, nullptr, image, 200, 201, 202, MARK_HINT);
  EXPECT_EQ(snapshot(image), before);
}

// b = 0 and c = 0 stand for a: the padding bytes (index 0) are never taken along.
TEST_F(TileBuffers, ZeroSourcesDefaultToTheFirstIndex) {
  const int image = IDB_PAI_FIRST + 77;
  std::vector<unsigned char> before = snapshot(image);
  pai_recolor(nullptr, nullptr, image, MARK_NORMAL, 0, 0, MARK_HINT);
  std::vector<unsigned char> after = snapshot(image);
  int padding = 0;
  for (int k = PIXELS; k < PICTURE_SIZE; ++k) {
    if (before[k] == 0) {
      ++padding;
      ASSERT_EQ(after[k], 0) << k;
    }
    if (before[k] == MARK_NORMAL) ASSERT_EQ(after[k], MARK_HINT) << k;
  }
  EXPECT_EQ(padding, 62);   // one padding byte a row

  pai_recolor(nullptr, nullptr, image, MARK_HINT, 0, MARK_SPARE, MARK_NORMAL);
  EXPECT_EQ(snapshot(image), before);
}

// Only pixel-array offsets 546 to 2683 are examined, whatever lies beyond them.
TEST_F(TileBuffers, RecolourStaysInsideItsRange) {
  const int image = IDB_PAI_FIRST + 100;
  unsigned char* pixels = tile_picture(image) + PIXELS;
  pixels[PAI_RECOLOR_BEGIN - 1] = MARK_HINT;
  pixels[PAI_RECOLOR_BEGIN] = MARK_HINT;
  pixels[PAI_RECOLOR_END - 1] = MARK_HINT;
  pixels[PAI_RECOLOR_END] = MARK_HINT;
  pai_recolor(nullptr, nullptr, image, MARK_HINT, 0, 0, MARK_SELECTED);
  EXPECT_EQ(pixels[PAI_RECOLOR_BEGIN - 1], MARK_HINT);
  EXPECT_EQ(pixels[PAI_RECOLOR_BEGIN], MARK_SELECTED);
  EXPECT_EQ(pixels[PAI_RECOLOR_END - 1], MARK_SELECTED);
  EXPECT_EQ(pixels[PAI_RECOLOR_END], MARK_HINT);
}

// A change of set gives every buffer that set's picture with the look it had: selected,
// hinted or as stored, twins each their own; the highlight then covers the larger
// ground whole; and the way back brings the 96-DPI buffer as it was.
TEST_F(TileBuffers, ASetChangeKeepsEachTilesLook) {
  pai_recolor(nullptr, nullptr, IDB_PAI_FIRST + 5, MARK_NORMAL, 0, 0, MARK_SELECTED);
  pai_recolor(nullptr, nullptr, IDB_PAI_FIRST + 6, MARK_NORMAL, 0, 0, MARK_HINT);
  const std::vector<unsigned char> selected = snapshot(IDB_PAI_FIRST + 5);
  art_use_set(200);
  ASSERT_EQ(art_set_in_use, 200);
  const struct {
    int tile, mark;
  } looks[] = {{5, MARK_SELECTED}, {6, MARK_HINT}, {7, MARK_NORMAL}, {5 + FACE_COUNT, MARK_NORMAL}};
  for (const auto& look : looks) {
    int size = 0;
    const unsigned char* stored = art_picture(IDB_PAI_FIRST + look.tile, 200, &size);
    const unsigned char* shown = tile_picture_to_draw(IDB_PAI_FIRST + look.tile);
    ASSERT_GT(size, PICTURE_SIZE);
    for (int k = 0; k < size; ++k)
      ASSERT_EQ(shown[k], k >= PIXELS && stored[k] == MARK_NORMAL ? look.mark : stored[k]) << look.tile << " at " << k;
  }
  pai_recolor(nullptr, nullptr, IDB_PAI_FIRST + 7, MARK_NORMAL, 0, 0, MARK_SPARE);
  int size = 0;
  art_picture(IDB_PAI_FIRST + 7, 200, &size);
  const unsigned char* spare = tile_picture_to_draw(IDB_PAI_FIRST + 7);
  EXPECT_EQ(std::count(spare + PIXELS, spare + size, MARK_NORMAL), 0);
  art_use_set(100);
  EXPECT_EQ(snapshot(IDB_PAI_FIRST + 5), selected);
}

TEST_F(TileBuffers, RecolourThroughThePlatformOperation) {
  const int image = IDB_PAI_FIRST + 9;
  std::vector<unsigned char> before = snapshot(image);
  platform_recolor_tile(nullptr, image, MARK_NORMAL, 0, 0, MARK_SELECTED, 0);
  EXPECT_NE(snapshot(image), before);
  platform_recolor_tile(nullptr, image, MARK_SELECTED, 0, 0, MARK_NORMAL, 1);
  EXPECT_EQ(snapshot(image), before);
}
