// Whether a cue's file is a wave sound that PlaySound can take from memory. The
// documentation asks that such a sound be trusted, and Wine's PlaySound shows why: it
// finds the first "fmt " chunk, reads as many bytes as that claims, looks on from
// there for "data" and reads what that claims. Sizes that run past the file make it
// read memory that is not the file's, and the program dies there.
#include "wave_file.h"
#include <cstdint>
#include <cstring>

namespace {

constexpr uint64_t RIFF_HEADER = 12;   // "RIFF", the size of what follows, "WAVE"
constexpr uint64_t CHUNK_HEADER = 8;   // the name, the size of the body
// The player reads 12 bytes of every header it looks at, the form type that a RIFF or
// LIST chunk would have as well, so a header with fewer bytes of body at the file's
// end (no samples, or up to three) makes it read past the end.
constexpr uint64_t PLAYER_HEADER = 12;
constexpr uint16_t WAVE_FORMAT_PCM = 1;

uint32_t read16(const unsigned char* at) { return at[0] | at[1] << 8; }
uint32_t read32(const unsigned char* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}
bool named(const unsigned char* at, const char* name) { return std::memcmp(at, name, 4) == 0; }

// The player reads the chunk whole (PCMWAVEFORMAT is 16 bytes, WAVEFORMATEXTENSIBLE
// 40) and hands it to waveOutOpen, which reads more than 16 bytes of any format but
// PCM. The player sizes its buffers by the bytes per second and divides by the block,
// so both must be what channels, bits and rate make them.
bool pcm_format(const unsigned char* format, uint64_t size) {
  if (size < 16 || size > 40) return false;
  const uint32_t tag = read16(format), channels = read16(format + 2), rate = read32(format + 4);
  const uint32_t bytes_per_second = read32(format + 8), block = read16(format + 12), bits = read16(format + 14);
  return tag == WAVE_FORMAT_PCM && (channels == 1 || channels == 2) && (bits == 8 || bits == 16) &&
         rate >= 8000 && rate <= 192000 && block == channels * bits / 8 && bytes_per_second == rate * block;
}

}  // namespace

// Sizes are added in 64 bits: a size near 4 GB added to an offset in 32 bits would
// wrap round to a small number and pass.
bool wave_file_playable(const unsigned char* bytes, size_t size) {
  if (!bytes || size < RIFF_HEADER || !named(bytes, "RIFF") || !named(bytes + 8, "WAVE")) return false;
  const uint64_t end = CHUNK_HEADER + read32(bytes + 4);   // bytes after the RIFF are not read
  if (end > size) return false;
  bool format = false, data = false;
  for (uint64_t at = RIFF_HEADER; at + CHUNK_HEADER <= end;) {
    if (!data && at + PLAYER_HEADER > size) return false;   // it looks no further than the samples
    const uint64_t body = at + CHUNK_HEADER, body_size = read32(bytes + at + 4);
    if (body + body_size > end) return false;
    if (!format && named(bytes + at, "fmt ")) {
      if (!pcm_format(bytes + body, body_size)) return false;
      format = true;
    } else if (format && named(bytes + at, "data")) {
      data = true;
    }
    at = body + body_size + (body_size & 1);   // an odd body is followed by a pad byte
  }
  return data;
}
