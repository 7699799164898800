// The sound cues: a bare name handed to the platform's sound service.
#pragma once

// Where cues go; tests put a recorder here instead of the platform's player.
using CueSink = void (*)(const char* name);
extern CueSink cue_sink;

// Plays "check", "cancel", "get", "tezumari" or "back", only while sound_on is 1.
void play_cue(const char* name);
// The platform's player: starts the cue and returns; silent when the name resolves to nothing.
void play_cue_with_platform(const char* name);
