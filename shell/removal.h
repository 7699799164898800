// A removed pair shown for a moment, then taken off the screen, and the outcome.
#pragma once
#include <windows.h>

// After an accepted pair: show the line now, take the pair off after two ticks.
void start_removal_delay(HWND main);
// One tick of TIMER_REMOVE.
void removal_tick();

// Hides the pair, sets its looks back and settles stuck, cleared or go on.
void finish_removal(HPALETTE palette, int first, int second, int seconds);

// A pair still on show is taken off at once, with its outcome (before a pick or undo).
void complete_pending_removal();
// A pair still on show is forgotten (before a new deal or a restart, which put
// every tile back anyway): the line is wiped and the delay ends.
void drop_pending_removal();
