// The sound cues: the file of each, beside the program, handed to the platform's player.
#pragma once

// Where cues go; tests put a recorder here instead of the platform's player.
using CueSink = void (*)(const char* name);
extern CueSink cue_sink;

// Plays "check", "cancel", "get", "tezumari" or "back", only while sound_on is 1.
void play_cue(const char* name);
// The platform's player: starts the cue and returns; silent when the cue has no file,
// or one that is no sound it can play.
void play_cue_with_platform(const char* name);
// The whole file of one of the five cues, <name>.wav beside the program, read at its
// first use and kept; null while there is none, and for the rest of the run once the
// file is found to be no sound that can be played.
const void* cue_sound(const char* name);
// Stops the cue playing, if any, and lets every file go, so that each is read again
// at its next use: for tests that build the main window many times.
void cues_forget();
