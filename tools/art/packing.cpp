// Greedy LZ77 with hash chains: the tile pictures of a set share their frame and sides,
// so most of a set is copies of what came before.
#include "packing.h"

#include <cstddef>

namespace {

constexpr int WINDOW = 65535, MIN_COPY = 3, MAX_COPY = 258, CHAIN = 512;

unsigned hash3(const std::vector<uint8_t>& b, std::size_t i) {
  return ((b[i] << 10) ^ (b[i + 1] << 5) ^ b[i + 2]) & 0xffff;
}

}  // namespace

std::vector<uint8_t> pack(const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> out;
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(bytes.size() >> (8 * i)));
  std::vector<long> head(65536, -1), previous(bytes.size(), -1);
  auto remember = [&](std::size_t i) {
    if (i + MIN_COPY > bytes.size()) return;
    unsigned h = hash3(bytes, i);
    previous[i] = head[h];
    head[h] = long(i);
  };
  std::size_t flag_at = 0;
  int item = 8;
  for (std::size_t i = 0; i < bytes.size();) {
    if (item == 8) {
      flag_at = out.size();
      out.push_back(0);
      item = 0;
    }
    std::size_t best = 0, best_from = 0;
    if (i + MIN_COPY <= bytes.size()) {
      long from = head[hash3(bytes, i)];
      for (int tries = 0; from >= 0 && i - from <= WINDOW && tries < CHAIN; ++tries, from = previous[from]) {
        std::size_t n = 0;
        while (n < MAX_COPY && i + n < bytes.size() && bytes[from + n] == bytes[i + n]) ++n;
        if (n > best) best = n, best_from = std::size_t(from);
        if (n == MAX_COPY) break;
      }
    }
    if (best >= MIN_COPY) {
      out[flag_at] |= uint8_t(1 << item);
      std::size_t offset = i - best_from;
      out.push_back(uint8_t(offset));
      out.push_back(uint8_t(offset >> 8));
      out.push_back(uint8_t(best - MIN_COPY));
      for (std::size_t k = 0; k < best; ++k) remember(i + k);
      i += best;
    } else {
      out.push_back(bytes[i]);
      remember(i);
      ++i;
    }
    ++item;
  }
  return out;
}
