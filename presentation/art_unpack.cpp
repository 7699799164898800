// An LZ77 stream: the unpacked size, then a flag byte before each eight items, lowest
// bit first: 0 a literal byte, 1 a copy (offset 2 bytes, length - 3 in 1 byte).
#include "art_unpack.h"

namespace {

// One item at `at`, written at `done`; false when it does not fit what is packed or
// what is unpacked so far.
bool unpack_item(const unsigned char* packed, int size, int& at, bool copy, unsigned char* out,
                 unsigned long& done, unsigned long total) {
  if (!copy) {
    if (at >= size) return false;
    out[done++] = packed[at++];
    return true;
  }
  if (at + 3 > size) return false;
  const unsigned long offset = packed[at] | packed[at + 1] << 8, length = packed[at + 2] + 3u;
  at += 3;
  if (offset == 0 || offset > done || length > total - done) return false;
  // Byte by byte: a copy may overlap what it writes (a run).
  for (unsigned char *to = out + done, *from = to - offset, *end = to + length; to != end;) *to++ = *from++;
  done += length;
  return true;
}

}  // namespace

bool art_unpack(const unsigned char* packed, int size, std::vector<unsigned char>& out) {
  out.clear();
  if (!packed || size < 4) return false;
  const unsigned long total = packed[0] | packed[1] << 8 | packed[2] << 16 | (unsigned long)packed[3] << 24;
  bool sound = total <= 64ul << 20;   // no set comes near; a damaged header could
  if (sound) out.resize(total);
  unsigned long done = 0;
  int at = 4;
  while (sound && done < total && at < size) {
    const int flags = packed[at++];
    for (int item = 0; sound && item < 8 && done < total; ++item)
      sound = unpack_item(packed, size, at, flags >> item & 1, out.data(), done, total);
  }
  if (sound && done == total && at == size) return true;
  out.clear();
  return false;
}
