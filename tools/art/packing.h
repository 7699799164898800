// The byte packing of the pictures stored for the larger display scales: a plain
// LZ77 stream the program unpacks once, at start, for the one set it draws with.
#pragma once
#include <cstdint>
#include <vector>

// The unpacked size (4 bytes, little-endian), then groups of a flag byte and eight
// items, lowest bit first: 0 a literal byte, 1 a copy of 3-258 bytes from 1-65535
// bytes back (offset 2 bytes, then length - 3).
std::vector<uint8_t> pack(const std::vector<uint8_t>& bytes);
