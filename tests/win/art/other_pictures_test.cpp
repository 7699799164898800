// The background, the two banners, the icon and the cursor: sizes, depths, colours, hot spot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

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

// The images of an icon or cursor group, each with its size as its own header gives it
// (a cursor's begins with the hot spot; a PNG's width stands big-endian in its header).
std::vector<std::pair<int, RawResource>> group_images(int group_id, LPCSTR group_type, LPCSTR image_type) {
  RawResource group = raw_resource(group_id, group_type);
  std::vector<std::pair<int, RawResource>> images;
  for (int i = 0; group.bytes && i < read_u16(group.bytes + 4); ++i) {
    RawResource image = raw_resource(reinterpret_cast<const GroupEntry*>(group.bytes + 6)[i].id, image_type);
    const uint8_t* b = image.bytes + (image_type == RT_CURSOR ? 4 : 0);
    images.push_back({std::memcmp(b, "\x89PNG", 4) ? read_i32(b + 4) : b[18] << 8 | b[19], image});
  }
  return images;
}

std::set<int> group_sizes(int group_id, LPCSTR group_type, LPCSTR image_type) {
  std::set<int> sizes;
  for (const auto& image : group_images(group_id, group_type, image_type)) sizes.insert(image.first);
  return sizes;
}

// What the system asks for at each display scale: the small icon (the caption) is 16
// pixels times the scale, the large icon (Alt+Tab, the About box) and the cursor 32.
struct ScaleSizes {
  int percent, small_icon, large_icon, cursor;
};

const ScaleSizes SCALE_SIZES[] = {{100, 16, 32, 32}, {125, 20, 40, 40}, {150, 24, 48, 48}, {175, 28, 56, 56},
                                  {200, 32, 64, 64}, {250, 40, 80, 80}, {300, 48, 96, 96}};

TEST(Pictures, IconAndCursorCarryEverySizeOfEveryScale) {
  const std::set<int> icons = group_sizes(IDI_MAIN, RT_GROUP_ICON, RT_ICON);
  const std::set<int> cursors = group_sizes(IDC_FINGER, RT_GROUP_CURSOR, RT_CURSOR);
  for (const ScaleSizes& s : SCALE_SIZES) {
    EXPECT_TRUE(icons.count(s.small_icon)) << "small icon at " << s.percent << " %";
    EXPECT_TRUE(icons.count(s.large_icon)) << "large icon at " << s.percent << " %";
    EXPECT_TRUE(cursors.count(s.cursor)) << "cursor at " << s.percent << " %";
  }
  EXPECT_TRUE(icons.count(256)) << "the shell's largest view";
  // The 16-colour picture the game always had stays among them.
  bool sixteen_colours = false;
  for (const auto& image : group_images(IDI_MAIN, RT_GROUP_ICON, RT_ICON))
    sixteen_colours |= image.second.size == 744 && read_u16(image.second.bytes + 14) == 4;
  EXPECT_TRUE(sixteen_colours);
}

// The hot spot is the fingertip at every size, scaled from (10, 0) at 32: the pixel
// there is drawn, not see-through.
TEST(Pictures, CursorPointsWithItsFingertip) {
  for (const auto& sized : group_images(IDC_FINGER, RT_GROUP_CURSOR, RT_CURSOR)) {
    const RawResource image = sized.second;
    const int size = sized.first, hot_x = 10 * size / 32, stride = ((size + 31) / 32) * 4;
    if (size == 32) EXPECT_EQ(image.size, 748u);
    EXPECT_EQ(read_u16(image.bytes), hot_x);
    EXPECT_EQ(read_u16(image.bytes + 2), 0);
    const uint8_t* dib = image.bytes + 4;
    ASSERT_EQ(read_u16(dib + 14), 4) << size;
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

// A picture as the system draws it at its own size, over grey.
std::vector<COLORREF> drawn(int id, UINT type, int size) {
  std::vector<COLORREF> pixels(size_t(size) * size);
  HANDLE picture = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), type, size, size, LR_DEFAULTCOLOR);
  BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB}};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!picture || !canvas) return {};
  HGDIOBJ before = SelectObject(dc, canvas);
  std::fill_n(static_cast<DWORD*>(bits), pixels.size(), 0x808080);
  DrawIconEx(dc, 0, 0, static_cast<HICON>(picture), size, size, 0, nullptr, DI_NORMAL);
  GdiFlush();
  std::copy_n(static_cast<const DWORD*>(bits), pixels.size(), pixels.begin());
  SelectObject(dc, before);
  DeleteObject(canvas);
  DeleteDC(dc);
  type == IMAGE_ICON ? DestroyIcon(static_cast<HICON>(picture)) : DestroyCursor(static_cast<HCURSOR>(picture));
  return pixels;
}

int channel(COLORREF c, int i) { return int(c >> (8 * i) & 255); }

// `from` x `from` pixels brought to `size`: each pixel the nearest one, or the mean of
// those it covers by the share it covers, as a program that only scaled would make it.
std::vector<COLORREF> scaled_copy(const std::vector<COLORREF>& other, int from, int size, bool averaged) {
  const double k = double(from) / size;
  auto share = [&](int source, int v) {
    return averaged ? std::min(source + 1.0, (v + 1) * k) - std::max(double(source), v * k) : source == (2 * v + 1) * from / (2 * size);
  };
  std::vector<COLORREF> out;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double sum[3] = {}, area = 0;
      for (int sy = int(y * k); sy < from && sy < (y + 1) * k; ++sy)
        for (int sx = int(x * k); sx < from && sx < (x + 1) * k; ++sx) {
          const double w = share(sx, x) * share(sy, y);
          area += w;
          for (int i = 0; i < 3; ++i) sum[i] += w * channel(other[size_t(sy) * from + sx], i);
        }
      out.push_back(RGB(sum[0] / area + 0.5, sum[1] / area + 0.5, sum[2] / area + 0.5));
    }
  return out;
}

// The share of pixels where two pictures differ by more than a quarter of a channel.
double share_unlike(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  int unlike = 0;
  for (size_t i = 0; i < a.size(); ++i)
    for (int c = 0; c < 3; ++c)
      if (std::abs(channel(a[i], c) - channel(b[i], c)) > 64) {
        ++unlike;
        break;
      }
  return double(unlike) / a.size();
}

// Each size is painted for itself: none is the next smaller or larger one scaled, pixel
// by pixel or averaged. A copy differs nowhere; two sizes painted alike, each on its own
// pixels, differ in some 3 % of them (80 and 96) or more.
TEST(Pictures, NoIconOrCursorSizeIsItsNeighbourScaled) {
  const struct {
    int id;
    UINT type;
    std::set<int> sizes;
  } groups[] = {{IDI_MAIN, IMAGE_ICON, group_sizes(IDI_MAIN, RT_GROUP_ICON, RT_ICON)},
                {IDC_FINGER, IMAGE_CURSOR, group_sizes(IDC_FINGER, RT_GROUP_CURSOR, RT_CURSOR)}};
  for (const auto& group : groups) {
    int smaller = 0;
    std::vector<COLORREF> before;
    for (int size : group.sizes) {
      std::vector<COLORREF> picture = drawn(group.id, group.type, size);
      ASSERT_EQ(picture.size(), size_t(size) * size) << size;
      for (bool averaged : {false, true})
        if (smaller) {
          EXPECT_GT(share_unlike(picture, scaled_copy(before, smaller, size, averaged)), 0.01) << size << " from " << smaller;
          EXPECT_GT(share_unlike(before, scaled_copy(picture, size, smaller, averaged)), 0.01) << smaller << " from " << size;
        }
      smaller = size;
      before = std::move(picture);
    }
  }
}

}  // namespace
