// The unpacker against the art tool's own packer: what is packed comes back whole, and
// cut or mutated streams, in and out of buffers of their own sizes (so the address
// sanitizer sees a step outside), are refused or unpacked to the size they name, never past it.
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include "art_unpack.h"
#include "packing.h"

namespace {

bool unpacked(const std::vector<uint8_t>& packed, std::vector<unsigned char>& out) {
  std::unique_ptr<unsigned char[]> copy(new unsigned char[packed.size()]);
  std::copy(packed.begin(), packed.end(), copy.get());
  std::vector<unsigned char>().swap(out);   // room for just what it unpacks
  return art_unpack(copy.get(), static_cast<int>(packed.size()), out);
}

TEST(ArtUnpack, CutAndMutatedStreamsStayInsideTheirBuffers) {
  std::mt19937 random(34);
  std::vector<std::vector<uint8_t>> streams;
  std::vector<unsigned char> out;
  for (size_t size : {0, 5, 40, 300, 2000}) {
    // Runs, repeats at every distance and noise, as a picture has.
    std::vector<uint8_t> source;
    while (source.size() < size) {
      const size_t run = 1 + random() % 40, back = 1 + random() % (source.size() + 1), kind = random() % 3;
      for (size_t k = 0; k < run; ++k)
        source.push_back(kind == 0 || back > source.size() ? random() : kind == 1 ? source[source.size() - back] : 7);
    }
    source.resize(size);
    streams.push_back(pack(source));
    ASSERT_TRUE(unpacked(streams.back(), out) && std::equal(out.begin(), out.end(), source.begin(), source.end()));
    for (size_t cut = 0; cut < streams.back().size(); ++cut)
      EXPECT_FALSE(unpacked({streams.back().begin(), streams.back().begin() + cut}, out)) << size << " cut " << cut;
  }
  // A few bytes stepped one up or down (an offset or a length at the edge of what is
  // allowed), or set anywhere, or the stream cut.
  int taken = 0;
  for (int n = 0; n < 30000; ++n) {
    std::vector<uint8_t> bytes = streams[1 + n % 4];
    for (int edits = 1 + random() % 3; edits > 0; --edits) {
      const size_t at = random() % bytes.size();
      const int kind = random() % 4;
      if (kind == 3 && at > 0) bytes.resize(at);
      else if (kind < 3) bytes[at] = kind == 0 ? bytes[at] + 1 : kind == 1 ? bytes[at] - 1 : random();
    }
    if (bytes.size() > 3 && (bytes[2] || bytes[3])) continue;   // megabytes to clear, and nothing new
    if (!unpacked(bytes, out)) continue;
    ++taken;
    ASSERT_EQ(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24, static_cast<int>(out.size())) << n;
  }
  EXPECT_GT(taken, 300);   // the mutations reach past the first refusal
}

}  // namespace
