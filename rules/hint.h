// The hint: every removable pair lit in turn, timed by a worker thread and drawn by
// the main window's thread.
#pragma once
#include "platform.h"

constexpr int HINT_SHOW_MS = 1000;
constexpr int HINT_GAP_MS = 500;

extern ThreadHandle hint_thread;

void hint_start(WindowHandle main_window);
// Stops a running worker and waits for it; then, if a pair is lit on the screen,
// turns every hint mark back to normal. Safe to call again from inside its own wait.
void hint_stop();
int hint_worker(void* main_window);
// On the main window's thread, for a step of platform_report_pair: lights the pair
// or puts it back, unless that hint has been stopped or replaced since.
void hint_show_pair(unsigned hint, int first, int second, int lit);
// On the main window's thread, for a verdict of platform_report_stuck: the "stuck"
// box, unless that hint has been stopped or replaced since.
void hint_show_stuck(WindowHandle main_window, unsigned hint);
