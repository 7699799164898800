// Whether a cue's file is a wave sound that PlaySound can take from memory.
#pragma once
#include <cstddef>

// PlaySound is never told how long a sound in memory is: it follows the sizes written
// inside. True only when those sizes keep every read of it inside the size bytes, and
// the format is one the wave player plays: a RIFF "WAVE" whose size fits, every chunk
// inside it, a "fmt " chunk of 16 to 40 bytes holding 8- or 16-bit PCM in one or two
// channels at 8 to 192 kHz, and after it a "data" chunk.
bool wave_file_playable(const unsigned char* bytes, size_t size);
