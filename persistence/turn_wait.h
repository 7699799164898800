// While the settings file's turn is waited for, the thread keeps its windows painted
// and answering, holds back what would change the game, and shows that it waits.
#pragma once
#include <windows.h>

// Waits under way on this thread: more than one only where the session's end comes
// during a wait and makes its own save.
extern int turn_waits;
// Shows the waiting in the program's own place (the status bar), or takes it away.
extern void (*turn_wait_status)(int waiting);

struct TurnWait {
  DWORD since;
  bool shown;
};

void turn_wait_begin(TurnWait* wait);
// In place of sleeping ms between tries: what is sent to the thread's windows is
// answered and their paint messages dispatched; input, timers and posted messages
// stay queued until the wait is over.
void turn_wait_pause(TurnWait* wait, DWORD ms);
void turn_wait_end(TurnWait* wait);
