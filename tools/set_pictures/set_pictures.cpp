// Writes the 36 tile faces' pictures that the game draws at a display scale, as the
// program carries them, into a folder as tile101.bmp ... tile136.bmp, and where the game
// lays each tile's window out at that scale, as layout.txt: the set's percent, then the
// left and top of each slot's tile in the client area. The end-to-end player reads the
// board from the screen by them (tests/e2e).
// Usage: set_pictures PERCENT FOLDER (the display scale; the set made for it is written)
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include "art_sets.h"
#include "board.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: set_pictures PERCENT FOLDER\n");
    return 2;
  }
  art_use_set(std::atoi(argv[1]));
  for (int face = 0; face < FACE_COUNT; ++face) {
    int size = 0;
    const unsigned char* dib = art_picture(IDB_PAI_FIRST + face, art_set_in_use, &size);
    const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib);
    if (!dib || size < static_cast<int>(sizeof(*header))) return 1;
    const DWORD colours = header->biClrUsed ? header->biClrUsed : (header->biBitCount <= 8 ? 1u << header->biBitCount : 0);
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof(file) + size), 0, 0,
                             static_cast<DWORD>(sizeof(file) + header->biSize + 4 * colours)};
    char path[MAX_PATH];
    std::snprintf(path, sizeof(path), "%s\\tile%d.bmp", argv[2], IDB_PAI_FIRST + face);
    FILE* out = std::fopen(path, "wb");
    if (!out) return 1;
    const bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(dib, size, 1, out) == 1;
    if (std::fclose(out) != 0 || !written) return 1;
  }
  char path[MAX_PATH];
  std::snprintf(path, sizeof(path), "%s\\layout.txt", argv[2]);
  FILE* out = std::fopen(path, "w");
  if (!out) return 1;
  layout_cells(art_set_in_use);
  std::fprintf(out, "%d\n", art_set_in_use);
  for (const Rect& tile : tile_rects) std::fprintf(out, "%d %d\n", tile.left, tile.top);
  if (std::fclose(out) != 0) return 1;
  std::printf("%d\n", art_set_in_use);
  return 0;
}
