// BMP, ICO and CUR writers, byte by byte so the output never depends on the host.
#include "image_files.h"

#include "png_bytes.h"

#include <cstdio>
#include <cstdlib>

namespace {

void put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, unsigned v) {
  put16(out, v & 0xffff);
  put16(out, v >> 16);
}

void save(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::fclose(f);
}

int row_bytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// Header, table and bottom-up pixel rows; `height_factor` 2 is the icon convention
// (XOR and AND images counted together).
void put_dib(std::vector<uint8_t>& out, const Picture& p, const std::vector<Rgb>& table, int bits,
             int height_factor) {
  int stride = row_bytes(p.width, bits);
  put32(out, 40);
  put32(out, unsigned(p.width));
  put32(out, unsigned(p.height * height_factor));
  put16(out, 1);
  put16(out, unsigned(bits));
  put32(out, 0);
  put32(out, unsigned(stride * p.height));
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  for (size_t i = 0; i < (size_t(1) << bits); ++i) {
    Rgb c = i < table.size() ? table[i] : Rgb{0, 0, 0};
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  for (int y = p.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(stride), 0);
    for (int x = 0; x < p.width; ++x) {
      uint8_t v = pixel(p, x, y);
      if (bits == 8)
        row[x] = v;
      else
        row[x / 2] |= uint8_t((x % 2) ? (v & 15) : (v << 4));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

void write_bmp(const std::string& path, const Picture& p, const std::vector<Rgb>& table, int bits) {
  std::vector<uint8_t> dib = packed_dib(p, table, bits);
  std::vector<uint8_t> out;
  unsigned offset = 14 + 40 + 4u * (1u << bits);
  out.push_back('B');
  out.push_back('M');
  put32(out, unsigned(14 + dib.size()));
  put32(out, 0);
  put32(out, offset);
  out.insert(out.end(), dib.begin(), dib.end());
  save(path, out);
}

IconImage indexed_icon_image(const Picture& p, const std::vector<Rgb>& table, int transparent) {
  IconImage image = {p.width, 4, {}, 0, 0};
  Picture colours = p;
  for (auto& v : colours.pixels)
    if (v == transparent) v = 0;  // a clear pixel shows the screen XOR 0
  put_dib(image.bytes, colours, table, 4, 2);
  int mask_stride = row_bytes(p.width, 1);
  for (int y = p.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(mask_stride), 0);
    for (int x = 0; x < p.width; ++x)
      if (pixel(p, x, y) == transparent) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    image.bytes.insert(image.bytes.end(), row.begin(), row.end());
  }
  return image;
}

IconImage rgba_icon_image(const RgbaPicture& p) {
  IconImage image = {p.width, 32, {}, 0, 0};
  std::vector<uint8_t>& out = image.bytes;
  const int mask_stride = row_bytes(p.width, 1);
  for (unsigned v : {40u, unsigned(p.width), unsigned(2 * p.height)}) put32(out, v);
  put16(out, 1);
  put16(out, 32);
  for (unsigned v : {0u, unsigned(4 * p.width * p.height + mask_stride * p.height), 0u, 0u, 0u, 0u})
    put32(out, v);
  for (int y = p.height - 1; y >= 0; --y)
    for (int x = 0; x < p.width; ++x) {
      const Rgba c = p.pixels[size_t(y) * p.width + x];
      out.insert(out.end(), {c.b, c.g, c.r, c.a});
    }
  // The mask only for systems that ignore the alpha: clear where nothing is drawn.
  for (int y = p.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(mask_stride), 0);
    for (int x = 0; x < p.width; ++x)
      if (p.pixels[size_t(y) * p.width + x].a == 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return image;
}

IconImage png_icon_image(const RgbaPicture& p) {
  std::vector<uint8_t> rgba;
  for (const Rgba& c : p.pixels) rgba.insert(rgba.end(), {c.r, c.g, c.b, c.a});
  return {p.width, 32, png_bytes(p.width, p.height, 4, rgba), 0, 0};
}

void write_icon(const std::string& path, const std::vector<IconImage>& images, bool cursor) {
  std::vector<uint8_t> out, data;
  put16(out, 0);
  put16(out, cursor ? 2 : 1);
  put16(out, unsigned(images.size()));
  for (const IconImage& image : images) {
    out.push_back(uint8_t(image.size));   // 256 is written 0
    out.push_back(uint8_t(image.size));
    out.push_back(image.bits == 4 ? 16 : 0);
    out.push_back(0);
    put16(out, cursor ? unsigned(image.hot_x) : 1);
    put16(out, cursor ? unsigned(image.hot_y) : unsigned(image.bits));
    put32(out, unsigned(image.bytes.size()));
    put32(out, unsigned(6 + 16 * images.size() + data.size()));
    data.insert(data.end(), image.bytes.begin(), image.bytes.end());
  }
  out.insert(out.end(), data.begin(), data.end());
  save(path, out);
}

std::vector<uint8_t> packed_dib(const Picture& p, const std::vector<Rgb>& table, int bits) {
  std::vector<uint8_t> dib;
  put_dib(dib, p, table, bits, 1);
  return dib;
}

void write_bytes(const std::string& path, const std::vector<uint8_t>& bytes) { save(path, bytes); }

void write_text(const std::string& path, const std::string& text) {
  save(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<Rgb> standard_16_colours() {
  return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
          {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
          {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
          {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}
