// The sound cues, through one sink that tests can replace.
#include "sound.h"
#include <windows.h>
#include <mmsystem.h>
#include <cstdlib>
#include <cstring>
#include "program_path.h"
#include "shell_state.h"
#include "wave_file.h"

namespace {

// Far beyond any cue; a bigger file is not a cue of ours and is not read.
constexpr DWORD LARGEST_CUE_BYTES = 16u << 20;

// Each cue's file, read at its first use and kept for the program's life: PlaySound
// reads a cue from this memory for as long as it plays, until its end or until the
// next cue stops it. A file that is there but cannot be read whole, or is no sound
// PlaySound can take (see wave_file.cpp), is let go, and its cue stays silent for the
// run: nothing is shown, as for a cue with no file.
struct CueFile {
  const char* name;
  void* bytes;
  bool refused;
};
CueFile cue_files[] = {{"check", nullptr, false}, {"cancel", nullptr, false}, {"get", nullptr, false},
                       {"tezumari", nullptr, false}, {"back", nullptr, false}};

struct SoundFile {
  bool opened;
  void* bytes;   // null when the file is no sound, too big for a cue, or could not be read whole
  DWORD size;
};

SoundFile read_sound(const wchar_t* path) {
  LongPath unlimited;
  unlimited_path(path, &unlimited);
  HANDLE file = CreateFileW(unlimited.text, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {false, nullptr, 0};
  SoundFile sound = {true, nullptr, GetFileSize(file, nullptr)};
  DWORD got = 0;
  if (sound.size != INVALID_FILE_SIZE && sound.size > 0 && sound.size <= LARGEST_CUE_BYTES) {
    sound.bytes = std::malloc(sound.size);
    if (sound.bytes && (!ReadFile(file, sound.bytes, sound.size, &got, nullptr) || got != sound.size ||
                        !wave_file_playable(static_cast<const unsigned char*>(sound.bytes), sound.size))) {
      std::free(sound.bytes);
      sound.bytes = nullptr;
    }
  }
  CloseHandle(file);
  return sound;
}

void take_in(CueFile& cue, const SoundFile& sound) {
  if (!sound.opened) return;   // none yet: asked again next time
  cue.bytes = sound.bytes;
  cue.refused = !cue.bytes;
}

}  // namespace

// The cue's file beside the program, found by the program's wide path: the player's
// search by bare name goes through the ANSI code page and short path buffers, and
// finds nothing in a folder named outside the code page or a long one.
const void* cue_sound(const char* name) {
  for (CueFile& cue : cue_files) {
    if (std::strcmp(cue.name, name) != 0) continue;
    if (!cue.bytes && !cue.refused) {
      char file_name[32];
      std::strcpy(file_name, name);
      std::strcat(file_name, ".wav");
      LongPath path;
      path_beside_program(file_name, &path);
      take_in(cue, read_sound(path.text));
    }
    return cue.bytes;
  }
  return nullptr;
}

void cues_forget() {
  bool kept = false;
  for (const CueFile& cue : cue_files) kept = kept || cue.bytes;
  if (kept) PlaySoundW(nullptr, nullptr, 0);   // stops the cue playing, which reads the memory let go below
  for (CueFile& cue : cue_files) {
    std::free(cue.bytes);
    cue.bytes = nullptr;
    cue.refused = false;
  }
}

void play_cue_with_platform(const char* name) {
  const void* sound = cue_sound(name);
  if (sound) PlaySoundW(static_cast<const wchar_t*>(sound), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

CueSink cue_sink = play_cue_with_platform;

void play_cue(const char* name) {
  if (sound_on == 1 && cue_sink) cue_sink(name);
}
