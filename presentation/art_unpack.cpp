// An LZ77 stream: the unpacked size, then a flag byte before each eight items, lowest
// bit first: 0 a literal byte, 1 a copy (offset 2 bytes, length - 3 in 1 byte).
#include "art_unpack.h"

namespace {

// One item at `at`; false when it does not fit what is packed or unpacked.
bool unpack_item(const unsigned char* packed, int size, int& at, bool copy, unsigned long total,
                 std::vector<unsigned char>& out) {
  if (!copy) {
    if (at >= size) return false;
    out.push_back(packed[at++]);
    return true;
  }
  if (at + 3 > size) return false;
  const unsigned offset = packed[at] | packed[at + 1] << 8, length = packed[at + 2] + 3u;
  at += 3;
  if (offset == 0 || offset > out.size() || out.size() + length > total) return false;
  for (unsigned k = 0; k < length; ++k) out.push_back(out[out.size() - offset]);
  return true;
}

}  // namespace

bool art_unpack(const unsigned char* packed, int size, std::vector<unsigned char>& out) {
  out.clear();
  if (!packed || size < 4) return false;
  const unsigned long total = packed[0] | packed[1] << 8 | packed[2] << 16 | (unsigned long)packed[3] << 24;
  bool sound = total <= 64ul << 20;   // no set comes near; a damaged header could
  if (sound) out.reserve(total);
  int at = 4;
  while (sound && out.size() < total && at < size) {
    const int flags = packed[at++];
    for (int item = 0; sound && item < 8 && out.size() < total; ++item)
      sound = unpack_item(packed, size, at, flags >> item & 1, total, out);
  }
  if (sound && out.size() == total && at == size) return true;
  out.clear();
  return false;
}
