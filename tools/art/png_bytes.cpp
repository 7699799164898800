// PNG encoding with libpng, at its strongest compression.
#include "png_bytes.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>

namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

}  // namespace

std::vector<uint8_t> png_bytes(int width, int height, int channels, const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    std::fprintf(stderr, "cannot encode a PNG\n");
    std::exit(1);
  }
  png_set_write_fn(png, &out, append, nullptr);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8,
               channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(&pixels[size_t(y) * width * channels]));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}
