// While the settings file's turn is waited for (up to ten quiet seconds where another
// program holds it), the window keeps painting and answering, so Windows never marks
// it as not responding. Only paint messages and messages sent to the thread's windows
// are handled: the player's clicks and keys, menu commands and timers wait in the
// queue, so nothing starts a second save or changes the game in the middle of this one.
#include "turn_wait.h"

int turn_waits = 0;
void (*turn_wait_status)(int waiting) = nullptr;

namespace {

// A turn that comes this soon is not shown: the pointer and the status line would flicker.
constexpr DWORD SHOW_AFTER_MS = 300;
// Paint messages handled at most in one pause, should a window never validate itself.
constexpr int MOST_MESSAGES = 64;

// Only over one of the thread's windows: elsewhere the pointer is another program's.
void set_own_cursor(const char* cursor) {
  POINT point;
  if (!GetCursorPos(&point)) return;
  HWND under = WindowFromPoint(point);
  if (under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId())
    SetCursor(LoadCursorA(nullptr, cursor));
}

}  // namespace

void turn_wait_begin(TurnWait* wait) {
  wait->since = GetTickCount();
  wait->shown = false;
  ++turn_waits;
}

void turn_wait_pause(TurnWait* wait, DWORD ms) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_PAINT | QS_SENDMESSAGE);
  MSG message;
  for (int n = 0; n < MOST_MESSAGES && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE); ++n)
    DispatchMessageW(&message);
  if (!wait->shown && GetTickCount() - wait->since >= SHOW_AFTER_MS) {
    wait->shown = true;
    if (turn_wait_status) turn_wait_status(1);
  }
  if (wait->shown) set_own_cursor(IDC_WAIT);
}

// The next move of the pointer asks its window for the cursor again.
void turn_wait_end(TurnWait* wait) {
  --turn_waits;
  if (!wait->shown) return;
  if (turn_wait_status) turn_wait_status(0);
  set_own_cursor(IDC_ARROW);
}
