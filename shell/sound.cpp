// The sound cues, through one sink that tests can replace.
#include "sound.h"
#include <windows.h>
#include <mmsystem.h>
#include "shell_state.h"

void play_cue_with_platform(const char* name) {
  PlaySoundA(name, nullptr, SND_ASYNC | SND_NODEFAULT);
}

CueSink cue_sink = play_cue_with_platform;

void play_cue(const char* name) {
  if (sound_on == 1 && cue_sink) cue_sink(name);
}
