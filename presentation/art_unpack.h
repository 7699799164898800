// Unpacking of the pictures stored packed for the larger display scales.
#pragma once
#include <vector>

// The bytes `packed` holds (as tools/art packs them) into `out`. False, with `out`
// empty, when the stream is cut short or refers outside what it has unpacked.
bool art_unpack(const unsigned char* packed, int size, std::vector<unsigned char>& out);
