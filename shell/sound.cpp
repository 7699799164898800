// The sound cues, through one sink that tests can replace.
#include "sound.h"
#include <windows.h>
#include <mmsystem.h>
#include <cstdlib>
#include <cstring>
#include "program_path.h"
#include "shell_state.h"

namespace {

// Far beyond any cue; a bigger file is not a cue of ours and is not read.
constexpr DWORD LARGEST_CUE_BYTES = 16u << 20;

// Each cue's file, read once and kept for the program's life: a cue still playing
// when the next one starts reads from it to the end.
struct CueFile {
  const char* name;
  void* bytes;
};
CueFile cue_files[] = {{"check", nullptr}, {"cancel", nullptr}, {"get", nullptr},
                       {"tezumari", nullptr}, {"back", nullptr}};

void* read_whole_file(const wchar_t* path) {
  LongPath unlimited;
  unlimited_path(path, &unlimited);
  HANDLE file = CreateFileW(unlimited.text, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  void* bytes = nullptr;
  DWORD size = GetFileSize(file, nullptr), got = 0;
  if (size != INVALID_FILE_SIZE && size > 0 && size <= LARGEST_CUE_BYTES) {
    bytes = std::malloc(size);
    if (bytes && (!ReadFile(file, bytes, size, &got, nullptr) || got != size)) {
      std::free(bytes);
      bytes = nullptr;
    }
  }
  CloseHandle(file);
  return bytes;
}

}  // namespace

// The cue's file beside the program, found by the program's wide path: the player's
// search by bare name goes through the ANSI code page and short path buffers, and
// finds nothing in a folder named outside the code page or a long one.
const void* cue_sound(const char* name) {
  for (CueFile& cue : cue_files) {
    if (std::strcmp(cue.name, name) != 0) continue;
    if (!cue.bytes) {
      char file_name[32];
      std::strcpy(file_name, name);
      std::strcat(file_name, ".wav");
      LongPath path;
      path_beside_program(file_name, &path);
      cue.bytes = read_whole_file(path.text);   // none yet: asked again next time
    }
    return cue.bytes;
  }
  return nullptr;
}

void play_cue_with_platform(const char* name) {
  const void* sound = cue_sound(name);
  if (sound) PlaySoundW(static_cast<const wchar_t*>(sound), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

CueSink cue_sink = play_cue_with_platform;

void play_cue(const char* name) {
  if (sound_on == 1 && cue_sink) cue_sink(name);
}
