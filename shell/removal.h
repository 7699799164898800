// The removal delay: an accepted pair stays on show for a moment, then it is taken
// off the screen and the game's outcome is settled. This file alone changes it.
#pragma once
#include <windows.h>

struct RemovalDelay {
  int pending;          // 1 from an accepted pair until it is taken off the screen
  int removal_wait;     // 1 until the first tick of TIMER_REMOVE has passed
  int removed_first;    // the pair on show
  int removed_second;
};

// Changed only by the functions below; everyone else only reads it.
extern RemovalDelay removal_delay;

// After an accepted pair: show the line now, take the pair off after two ticks.
void start_removal_delay(HWND main, int first, int second);
// One tick of TIMER_REMOVE.
void removal_tick();

// Before any key, command or pick: 1 when the input may run, after a pair still on
// show has been settled exactly as if its delay had run out. 0 while one of the
// program's boxes is open; the input is then dropped, as the window is disabled.
int settle_before_input();

// The session ends: the delay stops, nothing is shown, and a pair that clears the
// board has its ranking entry written at once when it earned one.
void removal_session_end(HWND main);

// No pair waiting, as before the first main window.
void removal_reset();
