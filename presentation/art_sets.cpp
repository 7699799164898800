// The pictures of each display scale's set. The 96-DPI set is the plain bitmaps; each
// larger set is two packed resources, the cleared banner apart from the rest, each
// unpacked the first time a picture of it is asked for and kept for the run, so only
// what the game has drawn with costs memory or time.
#include "art_sets.h"
#include <windows.h>
#include <cstring>
#include <vector>
#include "art_unpack.h"
#include "board.h"
#include "dib.h"
#include "resource.h"
#include "tile_pictures.h"

namespace {

struct UnpackedSet {
  bool tried = false;
  std::vector<unsigned char> bytes;   // empty when the set is missing or damaged
};

UnpackedSet unpacked_sets[2][ART_SET_COUNT];   // the rest, the cleared banner

unsigned read_u32(const std::vector<unsigned char>& bytes, size_t at) {
  unsigned value;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

const std::vector<unsigned char>& unpacked(int index, int percent, bool banner) {
  UnpackedSet& set = unpacked_sets[banner][index];
  if (set.tried) return set.bytes;
  set.tried = true;
  HMODULE module = GetModuleHandleA(nullptr);
  const int id = (banner ? IDR_ART_BANNERS : IDR_ART_SETS) + percent;
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const unsigned char* packed = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
  if (packed) art_unpack(packed, static_cast<int>(SizeofResource(module, found)), set.bytes);
  return set.bytes;
}

// The four tiles of a face share one picture in the larger sets.
int stored_id(int resource_id) {
  if (resource_id >= IDB_PAI_FIRST && resource_id < IDB_PAI_FIRST + TILE_COUNT)
    return IDB_PAI_FIRST + (resource_id - IDB_PAI_FIRST) % FACE_COUNT;
  return resource_id;
}

// A count, then (id, offset, size) for each picture; an entry that reaches past the
// end is taken for missing.
const unsigned char* find_picture(const std::vector<unsigned char>& set, int resource_id, int* size) {
  if (set.size() < 4) return nullptr;
  const size_t count = read_u32(set, 0);
  if (count > (set.size() - 4) / 12) return nullptr;
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = 4 + 12 * i, offset = read_u32(set, entry + 4), bytes = read_u32(set, entry + 8);
    if (read_u32(set, entry) != unsigned(stored_id(resource_id))) continue;
    if (offset > set.size() || bytes > set.size() - offset || bytes < sizeof(BITMAPINFOHEADER)) return nullptr;
    if (size) *size = static_cast<int>(bytes);
    return set.data() + offset;
  }
  return nullptr;
}

}  // namespace

// The picture in the set itself, or null.
const unsigned char* own_picture(int resource_id, int index, int* size) {
  if (size) *size = 0;
  if (index == 0) return dib_resource(resource_id, size);
  return find_picture(unpacked(index, ART_SET_PERCENTS[index], resource_id == IDB_OMIGOTO), resource_id, size);
}

int set_index(int set_percent) {
  for (int i = 0; i < ART_SET_COUNT; ++i)
    if (ART_SET_PERCENTS[i] == set_percent) return i;
  return -1;
}

const unsigned char* art_picture(int resource_id, int set_percent, int* size) {
  if (size) *size = 0;
  for (int i = set_index(set_percent); i >= 0; --i)
    if (const unsigned char* found = own_picture(resource_id, i, size)) return found;
  return nullptr;
}

int art_set_in_use = 100;

// A set the program does not carry whole (a damaged resource) gives way to the one below.
void art_use_set(int set_percent) {
  int index = set_index(art_set_for(set_percent));
  while (index > 0 && !own_picture(IDB_PAI_FIRST + FACE_COUNT - 1, index, nullptr)) --index;
  const int set = ART_SET_PERCENTS[index];
  if (set == art_set_in_use) return;
  const int from = art_set_in_use;
  art_set_in_use = set;
  tile_pictures_change_set(from);
}
