// Colour counts and logical palettes built from the program's bitmap resources.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <vector>
#include "board.h"
#include "dib.h"
#include "resource.h"

namespace {

std::vector<unsigned char> header(int bits, int colors_used) {
  std::vector<unsigned char> bytes(40, 0);
  int size = 40;
  unsigned short depth = static_cast<unsigned short>(bits);
  std::memcpy(&bytes[0], &size, 4);
  std::memcpy(&bytes[14], &depth, 2);
  std::memcpy(&bytes[32], &colors_used, 4);
  return bytes;
}

int color_count(int resource_id) { return packed_dib_color_count(dib_resource(resource_id)); }

// Every palette entry carries the RGB of the same colour-table entry.
void expect_palette_matches_table(int resource_id, int expected_count) {
  int count = -1;
  HPALETTE palette = dib_make_palette(resource_id, &count);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(count, expected_count);
  EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), static_cast<UINT>(expected_count));
  std::vector<PALETTEENTRY> entries(count);
  ASSERT_EQ(GetPaletteEntries(palette, 0, count, entries.data()), static_cast<UINT>(count));
  const unsigned char* table = dib_resource(resource_id) + 40;
  for (int i = 0; i < count; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(entries[i].peBlue, table[4 * i]);
    EXPECT_EQ(entries[i].peGreen, table[4 * i + 1]);
    EXPECT_EQ(entries[i].peRed, table[4 * i + 2]);
    EXPECT_EQ(entries[i].peFlags, 0);
  }
  DeleteObject(palette);
}

}  // namespace

TEST(ColorCount, ColorsUsedWinsOverDepthOtherwiseDepthDecides) {
  EXPECT_EQ(packed_dib_color_count(header(8, 184).data()), 184);
  EXPECT_EQ(packed_dib_color_count(header(4, 0).data()), 16);
  EXPECT_EQ(packed_dib_color_count(header(8, 0).data()), 256);
  EXPECT_EQ(packed_dib_color_count(header(1, 0).data()), 2);
  EXPECT_EQ(packed_dib_color_count(header(24, 0).data()), 0);
  EXPECT_EQ(packed_dib_color_count(nullptr), 0);
}

TEST(ColorCount, OfTheProgramsPictures) {
  EXPECT_EQ(color_count(IDB_PAI_FIRST), 256);
  EXPECT_EQ(color_count(IDB_PAI_FIRST + TILE_COUNT - 1), 256);
  EXPECT_EQ(color_count(IDB_TEZUMARI), 16);
  EXPECT_EQ(color_count(IDB_BACKGROUND), 16);
  EXPECT_EQ(color_count(9999), 0);   // no such resource
}

// The colours themselves are the art tests' concern; here the palette must carry them.
TEST(Palette, TilePaletteMatchesTheColourTable) { expect_palette_matches_table(IDB_PAI_FIRST, 256); }

TEST(Palette, BannerPalettesMatchTheirColourTables) {
  expect_palette_matches_table(IDB_TEZUMARI, 16);
  expect_palette_matches_table(IDB_OMIGOTO, 256);
}

TEST(Palette, MissingPictureGivesNoPaletteAndNoCount) {
  int count = -1;
  EXPECT_EQ(dib_make_palette(9999, &count), nullptr);
  EXPECT_EQ(count, 0);
}
