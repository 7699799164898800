// The background, the two banners, the icon and the cursor: sizes, depths, colours, hot spot.
#include <gtest/gtest.h>

#include <set>

#include "art_resources.h"
#include "art_sets.h"
#include "resource.h"

namespace {

// Size 0: just the header, the whole table and the rows. The cleared banner of 125, 175
// and 250 % is the one of the set below.
struct BitmapShape {
  int id, set, width, height, bits;
  DWORD size;
};

const BitmapShape BITMAPS[] = {
    {IDB_BACKGROUND, 100, 8, 8, 4, 136},   {IDB_OMIGOTO, 100, 500, 250, 8, 126064},
    {IDB_TEZUMARI, 100, 32, 144, 4, 2408}, {IDB_BACKGROUND, 125, 10, 10, 4, 0},
    {IDB_OMIGOTO, 125, 500, 250, 8, 0},    {IDB_TEZUMARI, 125, 40, 180, 4, 0},
    {IDB_BACKGROUND, 150, 12, 12, 4, 0},   {IDB_OMIGOTO, 150, 750, 375, 8, 0},
    {IDB_TEZUMARI, 150, 48, 216, 4, 0},    {IDB_BACKGROUND, 175, 14, 14, 4, 0},
    {IDB_OMIGOTO, 175, 750, 375, 8, 0},    {IDB_TEZUMARI, 175, 56, 252, 4, 0},
    {IDB_BACKGROUND, 200, 16, 16, 4, 0},   {IDB_OMIGOTO, 200, 1000, 500, 8, 0},
    {IDB_TEZUMARI, 200, 64, 288, 4, 0},    {IDB_BACKGROUND, 250, 20, 20, 4, 0},
    {IDB_OMIGOTO, 250, 1000, 500, 8, 0},   {IDB_TEZUMARI, 250, 80, 360, 4, 0},
    {IDB_BACKGROUND, 300, 24, 24, 4, 0},   {IDB_OMIGOTO, 300, 1500, 750, 8, 0},
    {IDB_TEZUMARI, 300, 96, 432, 4, 0},
};

const uint8_t STANDARD_16[16][3] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

TEST(Pictures, SizesAndDepths) {
  for (const BitmapShape& b : BITMAPS) {
    int size = 0;
    RawResource r = {art_picture(b.id, b.set, &size), DWORD(size)};
    ASSERT_NE(r.bytes, nullptr) << b.id << " at " << b.set;
    const DWORD rows = ((b.width * b.bits + 31) / 32) * 4 * b.height;
    EXPECT_EQ(r.size, b.size ? b.size : 40 + 4 * (1u << b.bits) + rows) << b.id << " at " << b.set;
    EXPECT_EQ(read_i32(r.bytes), 40) << b.id;
    EXPECT_EQ(read_i32(r.bytes + 4), b.width) << b.id;
    EXPECT_EQ(read_i32(r.bytes + 8), b.height) << b.id;
    EXPECT_EQ(read_u16(r.bytes + 14), b.bits) << b.id;
    EXPECT_EQ(read_i32(r.bytes + 32), 0) << b.id;
    if (b.bits == 4)
      for (int i = 0; i < 16; ++i) {
        const uint8_t* e = r.bytes + 40 + 4 * i;
        EXPECT_TRUE(e[2] == STANDARD_16[i][0] && e[1] == STANDARD_16[i][1] && e[0] == STANDARD_16[i][2])
            << b.id << " colour " << i;
      }
  }
}

TEST(Pictures, BackgroundIsTheThreeColourMottle) {
  const uint8_t* dib = raw_resource(IDB_BACKGROUND, RT_BITMAP).bytes;
  int count[16] = {};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) count[dib_index(dib, 16, x, y)]++;
  EXPECT_EQ(count[2], 38) << "green";
  EXPECT_EQ(count[6], 20) << "teal";
  EXPECT_EQ(count[3], 6) << "olive";
}

// Outside the letters the banner shows the background pattern from its own corner, so it
// sits seamlessly on the board; the letters are white edged with grey and fill every quarter.
TEST(Pictures, StuckBannerStandsOnTheBackground) {
  const uint8_t* pattern = raw_resource(IDB_BACKGROUND, RT_BITMAP).bytes;
  const uint8_t* banner = raw_resource(IDB_TEZUMARI, RT_BITMAP).bytes;
  int white[4] = {};
  for (int y = 0; y < 144; ++y)
    for (int x = 0; x < 32; ++x) {
      int v = dib_index(banner, 16, x, y);
      if (v == 15) white[y / 36]++;
      if (v != 15 && v != 7 && v != 8)
        ASSERT_EQ(v, dib_index(pattern, 16, x % 8, y % 8)) << "(" << x << ", " << y << ")";
    }
  for (int quarter = 0; quarter < 4; ++quarter) EXPECT_GT(white[quarter], 100) << quarter;
}

TEST(Pictures, ClearedBannerUses184Colours) {
  const uint8_t* dib = raw_resource(IDB_OMIGOTO, RT_BITMAP).bytes;
  std::set<int> used(dib + 1064, dib + 1064 + 500 * 250);
  EXPECT_EQ(used.size(), 184u);
}

#pragma pack(push, 2)
struct GroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes_or_hot_x, bits_or_hot_y;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

// Image `index` of an icon or cursor group, when the group holds `count` of them.
RawResource group_image(int group_id, LPCSTR group_type, LPCSTR image_type, int count, int index) {
  RawResource group = raw_resource(group_id, group_type);
  if (!group.bytes || read_u16(group.bytes + 4) != count) return {nullptr, 0};
  const GroupEntry* entry = reinterpret_cast<const GroupEntry*>(group.bytes + 6) + index;
  return raw_resource(entry->id, image_type);
}

// A 16-colour image for each size the shell asks for at the scales the game is drawn
// at; the 32-pixel one is the one the game always had.
TEST(Pictures, IconHasASixteenColourImageForEachSize) {
  const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
  for (int i = 0; i < 8; ++i) {
    RawResource image = group_image(IDI_MAIN, RT_GROUP_ICON, RT_ICON, 8, i);
    ASSERT_NE(image.bytes, nullptr) << sizes[i];
    EXPECT_EQ(read_i32(image.bytes + 4), sizes[i]);
    EXPECT_EQ(read_i32(image.bytes + 8), 2 * sizes[i]) << "colour and mask images together";
    EXPECT_EQ(read_u16(image.bytes + 14), 4) << sizes[i];
    if (sizes[i] == 32) EXPECT_EQ(image.size, 744u);
  }
  EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN)), nullptr);
}

// The hot spot is the fingertip at every size: the pixel there is drawn, not see-through.
TEST(Pictures, CursorPointsWithItsFingertip) {
  const int sizes[] = {32, 48, 64};
  for (int i = 0; i < 3; ++i) {
    const int size = sizes[i], hot_x = 10 * size / 32, stride = ((size + 31) / 32) * 4;
    RawResource image = group_image(IDC_FINGER, RT_GROUP_CURSOR, RT_CURSOR, 3, i);
    ASSERT_NE(image.bytes, nullptr) << size;
    if (size == 32) EXPECT_EQ(image.size, 748u);
    EXPECT_EQ(read_u16(image.bytes), hot_x);
    EXPECT_EQ(read_u16(image.bytes + 2), 0);
    const uint8_t* dib = image.bytes + 4;
    EXPECT_EQ(read_i32(dib + 4), size);
    EXPECT_EQ(read_u16(dib + 14), 4);
    const uint8_t* mask_top_row = dib + 40 + 64 + size * size / 2 + stride * (size - 1);
    EXPECT_EQ(mask_top_row[hot_x / 8] & (0x80 >> (hot_x % 8)), 0) << "the fingertip is see-through at " << size;
  }

  HCURSOR cursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_FINGER));
  ASSERT_NE(cursor, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_EQ(info.xHotspot, 10u);
  EXPECT_EQ(info.yHotspot, 0u);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
}

}  // namespace
