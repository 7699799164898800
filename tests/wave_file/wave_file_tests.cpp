// The check a cue's file passes before PlaySound may read it from memory: every kind
// of damage is refused, every sound the game ships is taken, and a million mutated
// files never make the check, nor the player after it, read past their end.
#include <gtest/gtest.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>
#include "wave_file.h"
#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>
#endif

namespace {

std::string little_endian(uint32_t value, int bytes) {
  std::string text;
  for (int k = 0; k < bytes; ++k) text += static_cast<char>(value >> (8 * k));
  return text;
}

uint32_t read32(const std::string& bytes, uint64_t at) {
  uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
  return value;
}

// A chunk with its pad byte when the body is odd; claimed, when given, is the size written.
std::string chunk(const char* name, const std::string& body, int64_t claimed = -1) {
  const uint32_t size = claimed < 0 ? body.size() : static_cast<uint32_t>(claimed);
  return name + little_endian(size, 4) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

std::string format(uint32_t tag = 1, uint32_t channels = 1, uint32_t rate = 44100, uint32_t bits = 16) {
  const uint32_t block = channels * bits / 8;
  return little_endian(tag, 2) + little_endian(channels, 2) + little_endian(rate, 4) + little_endian(rate * block, 4) +
         little_endian(block, 2) + little_endian(bits, 2);
}

std::string riff(const std::string& chunks, int64_t claimed = -1) {
  const uint32_t size = claimed < 0 ? chunks.size() + 4 : static_cast<uint32_t>(claimed);
  return "RIFF" + little_endian(size, 4) + "WAVE" + chunks;
}

const std::string SAMPLES(64, '\x40');
const std::string FMT = chunk("fmt ", format());
const std::string DATA = chunk("data", SAMPLES);
const std::string SOUND = riff(FMT + DATA);

// The check runs on a copy that ends where its allocation ends, so a read past the
// end is one the address sanitizer sees. On Windows the copy ends where a page ends,
// before one that may not be read, and what the check takes goes to the player, which
// dies of a read past the end there.
bool playable(const std::string& bytes) {
#ifndef _WIN32
  std::unique_ptr<unsigned char[]> room(new unsigned char[bytes.size()]);
  unsigned char* copy = room.get();
#else
  const size_t page = 4096, pages = bytes.size() / page + 2;
  auto* room = static_cast<unsigned char*>(VirtualAlloc(nullptr, pages * page, MEM_COMMIT, PAGE_READWRITE));
  DWORD was;
  VirtualProtect(room + (pages - 1) * page, page, PAGE_NOACCESS, &was);
  unsigned char* copy = room + (pages - 1) * page - bytes.size();
#endif
  std::memcpy(copy, bytes.data(), bytes.size());
  const bool taken = wave_file_playable(copy, bytes.size());
#ifdef _WIN32
  if (taken) PlaySoundW(reinterpret_cast<const wchar_t*>(copy), nullptr, SND_MEMORY | SND_SYNC | SND_NODEFAULT);
  VirtualFree(room, 0, MEM_RELEASE);
#endif
  return taken;
}

struct Row {
  const char* name;
  std::string bytes;
  bool playable;
};

TEST(WaveFile, TakesSoundsAndRefusesEveryKindOfDamage) {
  const std::string list = chunk("LIST", "INFOodd");   // an odd body, then its pad byte
  const Row rows[] = {
    // Sounds.
    {"a sound", SOUND, true},
    {"8-bit stereo at 8 kHz", riff(chunk("fmt ", format(1, 2, 8000, 8)) + DATA), true},
    {"16-bit stereo at 192 kHz", riff(chunk("fmt ", format(1, 2, 192000, 16)) + DATA), true},
    {"an odd chunk and its pad byte before the samples", riff(FMT + list + DATA), true},
    {"an odd last chunk without its pad byte", riff(FMT + chunk("data", "abcde").substr(0, 13)), true},
    {"four bytes of samples ending the file", riff(FMT + chunk("data", "abcd")), true},
    {"no samples, then bytes after the RIFF", riff(FMT + chunk("data", "")) + "more", true},
    {"a format of 18 bytes", riff(chunk("fmt ", format() + little_endian(0, 2)) + DATA), true},
    {"a format of 40 bytes", riff(chunk("fmt ", format() + std::string(24, '\0')) + DATA), true},
    {"bytes after the RIFF", SOUND + "trailing", true},
    // Sizes past the end.
    {"RIFF size one past the file", riff(FMT + DATA, FMT.size() + DATA.size() + 5), false},
    {"format size past the file", riff(chunk("fmt ", format(), 1000) + DATA), false},
    {"samples one past the file", riff(FMT + chunk("data", SAMPLES, SAMPLES.size() + 1)), false},
    {"samples past the RIFF, inside the file", riff(FMT + chunk("data", SAMPLES, 70), 4 + FMT.size() + 8 + 64) + "pad!pad!", false},
    {"odd chunk whose pad byte is the next header's first", riff(FMT + chunk("LIST", "abc").substr(0, 11) + DATA), false},
    {"a chunk after the samples past the file", riff(FMT + DATA + chunk("LIST", "", 9)), false},
    // A header the player reads whole, 12 bytes, running past the end.
    {"no samples, ending the file", riff(FMT + chunk("data", "")), false},
    {"one byte of samples, ending the file", riff(FMT + chunk("data", "a").substr(0, 9)), false},
    {"three bytes of samples, ending the file", riff(FMT + chunk("data", "abc").substr(0, 11)), false},
    // Sizes near 4 GB, which wrap round when added in 32 bits.
    {"RIFF size 4 GB - 1", riff(FMT + DATA, 0xFFFFFFFF), false},
    {"format size 4 GB - 1", riff(chunk("fmt ", format(), 0xFFFFFFFF) + DATA), false},
    {"format size 64 MB", riff(chunk("fmt ", format(), 64u << 20)), false},
    {"samples 4 GB - 1", riff(FMT + chunk("data", SAMPLES, 0xFFFFFFFF)), false},
    {"samples 4 GB - 32, which lead back to the format", riff(FMT + chunk("data", SAMPLES, 0xFFFFFFE0)), false},
    {"a chunk 4 GB - 8 long, which leads back to itself", riff(chunk("LIST", "", 0xFFFFFFF8) + FMT + DATA), false},
    // A RIFF size of 0, and the others too small.
    {"RIFF size 0", riff(FMT + DATA, 0), false},
    {"RIFF size 4: WAVE alone", riff(FMT + DATA, 4), false},
    {"RIFF ends inside the samples", riff(FMT + DATA, 4 + FMT.size() + 8 + 10), false},
    // Cut short.
    {"cut inside the RIFF header", SOUND.substr(0, 10), false},
    {"cut inside the format's header", SOUND.substr(0, 16), false},
    {"cut inside the format", SOUND.substr(0, 30), false},
    {"cut inside the samples' header", SOUND.substr(0, 40), false},
    {"cut one byte short", SOUND.substr(0, SOUND.size() - 1), false},
    // Not a sound, or not one the wave player plays.
    {"text", "[Pos]\r\nX=80\r\nY=80\r\n", false},
    {"another RIFF form", "RIFF" + little_endian(4 + FMT.size() + DATA.size(), 4) + "AVI " + FMT + DATA, false},
    {"no format", riff(DATA), false},
    {"no samples chunk", riff(FMT), false},
    {"samples before the format only", riff(DATA + FMT), false},
    {"format of 15 bytes", riff(chunk("fmt ", format().substr(0, 15)) + DATA), false},
    {"format of 41 bytes", riff(chunk("fmt ", format() + std::string(25, '\0')) + DATA), false},
    {"floating point", riff(chunk("fmt ", format(3, 1, 44100, 32)) + DATA), false},
    {"ADPCM", riff(chunk("fmt ", format(2)) + DATA), false},
    {"extensible", riff(chunk("fmt ", format(0xFFFE) + std::string(24, '\0')) + DATA), false},
    {"no channels", riff(chunk("fmt ", format(1, 0)) + DATA), false},
    {"six channels", riff(chunk("fmt ", format(1, 6)) + DATA), false},
    {"24 bits", riff(chunk("fmt ", format(1, 1, 44100, 24)) + DATA), false},
    {"rate 0", riff(chunk("fmt ", format(1, 1, 0)) + DATA), false},
    {"rate 4 GB - 1", riff(chunk("fmt ", format(1, 1, 0xFFFFFFFF)) + DATA), false},
    {"block 0", riff(chunk("fmt ", format().replace(12, 2, little_endian(0, 2))) + DATA), false},
    {"bytes per second 0", riff(chunk("fmt ", format().replace(8, 4, little_endian(0, 4))) + DATA), false},
    // Empty.
    {"empty", "", false},
    {"four bytes: RIFF", "RIFF", false},
  };
  for (const Row& row : rows) EXPECT_EQ(row.playable, playable(row.bytes)) << row.name;
  EXPECT_FALSE(wave_file_playable(nullptr, 0));
}

std::string file_bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(WaveFile, TakesEveryCueTheGameShipsAndNoneCutShortAnywhere) {
  for (const char* name : {"check", "cancel", "get", "tezumari", "back"}) {
    const std::string bytes = file_bytes(std::string(KOTOPAI_SOUNDS) + "/" + name + ".wav");
    ASSERT_GT(bytes.size(), 44u) << name;
    EXPECT_TRUE(playable(bytes)) << name;
    size_t taken = 0;
    for (size_t cut = 0; cut < bytes.size(); ++cut) taken += wave_file_playable(
        reinterpret_cast<const unsigned char*>(bytes.data()), cut);
    EXPECT_EQ(0u, taken) << name << ": cuts taken";
  }
}

// What Wine's PlaySound reads of a file: the chunk headers, 12 bytes each, from the
// top to the first "fmt ", that chunk's body (at least the 16 bytes of PCM), then the
// headers on to the first "data", and its body. False when any of it lies past the end.
bool player_stays_inside(const std::string& bytes) {
  uint64_t at = 12, body = 0, size = 0;
  auto find = [&](const char* name) {
    for (;; at = body + size + (size & 1)) {
      if (at + 12 > bytes.size()) return false;   // the header's 8 bytes, and 4 for a form type
      body = at + 8;
      size = read32(bytes, at + 4);
      if (bytes.compare(at, 4, name) == 0) return body + size <= bytes.size();
    }
  };
  if (bytes.size() < 12 || !find("fmt ") || size < 16) return false;
  at = body + size + (size & 1);
  return find("data");
}

// Where the sizes of a sound are written: the RIFF's, then each chunk's.
std::vector<size_t> size_fields(const std::string& sound) {
  std::vector<size_t> fields = {4};
  for (size_t at = 12; at + 8 <= sound.size(); at += 8 + read32(sound, at + 4) + (read32(sound, at + 4) & 1))
    fields.push_back(at + 4);
  return fields;
}

// Mutations of sounds: their sizes set to the usual suspects (0, odd, near 4 GB) or to
// a few bytes either side of the room left; bytes and chunk names written anywhere;
// files cut anywhere.
TEST(WaveFile, AMillionMutatedFilesAreNeverReadPastTheirEnd) {
  const std::string bases[] = {SOUND, riff(FMT + chunk("LIST", "odd") + DATA + chunk("cue ", "x")),
                               riff(chunk("fmt ", format(1, 2, 22050, 8) + little_endian(0, 2)) + DATA)};
  const std::vector<size_t> fields[] = {size_fields(bases[0]), size_fields(bases[1]), size_fields(bases[2])};
  const uint32_t sizes[] = {0, 1, 2, 3, 4, 7, 8, 15, 16, 17, 18, 40, 41, 0x7FFFFFFF, 0x80000000,
                            0xFFFFFFF0, 0xFFFFFFF4, 0xFFFFFFF7, 0xFFFFFFF8, 0xFFFFFFFC, 0xFFFFFFFF};
  const char* names[] = {"fmt ", "data", "LIST", "RIFF", "WAVE"};
  constexpr long INPUTS = 1000000;
  // Every input ends where its allocation ends, as in playable(), with a new one only when the size changes.
  std::unique_ptr<unsigned char[]> buffer;
  size_t buffer_size = ~size_t{0};
  std::mt19937 random(24);
  long taken = 0;
  for (long n = 0; n < INPUTS; ++n) {
    const size_t base = random() % 3;
    std::string bytes = bases[base];
    for (int edits = 1 + random() % 3; edits > 0; --edits) {
      const size_t at = bytes.empty() ? 0 : random() % bytes.size();
      const size_t field = fields[base][random() % fields[base].size()];
      switch (random() % 6) {
        case 0: if (field + 4 <= bytes.size()) bytes.replace(field, 4, little_endian(sizes[random() % 21], 4)); break;
        case 1: if (field + 4 <= bytes.size()) bytes.replace(field, 4, little_endian(bytes.size() - field - 4 + random() % 5 - 2, 4)); break;
        case 2: if (at + 4 <= bytes.size()) bytes.replace(at, 4, little_endian(random(), 4)); break;
        case 3: if (at < bytes.size()) bytes[at] = static_cast<char>(random()); break;
        case 4: if (at + 4 <= bytes.size()) bytes.replace(at, 4, names[random() % 5]); break;
        case 5: bytes.resize(at); break;
      }
    }
    if (bytes.size() != buffer_size) {
      buffer_size = bytes.size();
      buffer.reset(new unsigned char[buffer_size]);
    }
    std::memcpy(buffer.get(), bytes.data(), bytes.size());
    if (!wave_file_playable(buffer.get(), bytes.size())) continue;
    ++taken;
    ASSERT_TRUE(player_stays_inside(bytes)) << "input " << n << " taken, but the player reads past its end";
  }
  std::printf("%ld mutated inputs, %ld taken as sounds\n", INPUTS, taken);
  EXPECT_GT(taken, INPUTS / 100);   // the mutations reach past the first refusal
}

}  // namespace
