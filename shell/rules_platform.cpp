// The Windows side of the operations that the game rules declare: line drawing,
// showing windows, message boxes, the hint worker's thread and stop request, and
// what the worker hands to the main window's thread.
#include <windows.h>
#include "display_scale.h"
#include "drawn_line.h"
#include "hint.h"
#include "main_window.h"
#include "modal_boxes.h"
#include "platform.h"
#include "stop_request.h"

namespace {

RECT drawn_line_bounds = {0, 0, 0, 0};

}  // namespace

void platform_draw_segment(Surface surface, int x1, int y1, int x2, int y2) {
  HDC dc = static_cast<HDC>(surface);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  RECT segment = {x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, (x1 > x2 ? x1 : x2) + 1,
                  (y1 > y2 ? y1 : y2) + 1};
  // Half the path pen's width, and one pixel for its rounding.
  const int pen_reach = at_display_scale(10) / 2 + 1;
  InflateRect(&segment, pen_reach, pen_reach);
  UnionRect(&drawn_line_bounds, &drawn_line_bounds, &segment);
}

RECT take_drawn_line_bounds() {
  RECT bounds = drawn_line_bounds;
  SetRectEmpty(&drawn_line_bounds);
  return bounds;
}

void platform_show_window(WindowHandle window) {
  ShowWindow(static_cast<HWND>(window), SW_SHOW);
}

void platform_message_box(WindowHandle owner, const char* text, const char* caption) {
  show_modal_message(static_cast<HWND>(owner), text, caption);
}

namespace {

struct ThreadStart {
  int (*body)(void*);
  void* argument;
};

DWORD WINAPI thread_entry(LPVOID parameter) {
  ThreadStart start = *static_cast<ThreadStart*>(parameter);
  delete static_cast<ThreadStart*>(parameter);
  return static_cast<DWORD>(start.body(start.argument));
}

StopRequest* hint_stop_request() {
  static StopRequest request{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  return &request;
}

}  // namespace

ThreadHandle platform_thread_start(int (*body)(void*), void* argument) {
  ThreadStart* start = new ThreadStart{body, argument};
  HANDLE thread = CreateThread(nullptr, 0, thread_entry, start, 0, nullptr);
  if (!thread) {
    delete start;
    return nullptr;
  }
  return thread;
}

void platform_thread_wait(ThreadHandle thread) {
  if (!thread) return;
  HANDLE handle = static_cast<HANDLE>(thread);
  // Serve sent messages only, so that nothing that sends to our windows meanwhile
  // waits on us; posted ones and input keep their turn in the queue.
  while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void platform_thread_release(ThreadHandle thread) {
  if (thread) CloseHandle(static_cast<HANDLE>(thread));
}

// The two slots (below 256) in the low word, lit in the high word.
void platform_report_pair(WindowHandle main_window, unsigned hint, int first, int second, int lit) {
  PostMessageW(static_cast<HWND>(main_window), WM_HINT_PAIR, hint,
               MAKELPARAM(MAKEWORD(first, second), lit));
}

// The mark leaves this thread's batch of drawing calls at once, not when the batch
// fills or the thread next waits. The worker counts each step's time from its post,
// not from here: a step that waits in this thread's queue is drawn that much late,
// so a mark's time on the screen is the worker's, less the wait of the step that
// lit it and plus the wait of the one that puts it back.
void show_reported_pair(WPARAM wparam, LPARAM lparam) {
  hint_show_pair(static_cast<unsigned>(wparam), LOBYTE(LOWORD(lparam)), HIBYTE(LOWORD(lparam)),
                 HIWORD(lparam));
  GdiFlush();
}

void platform_report_stuck(WindowHandle main_window, unsigned hint) {
  PostMessageW(static_cast<HWND>(main_window), WM_HINT_STUCK, hint, 0);
}

void platform_stop_set(void) { stop_request_set(hint_stop_request()); }
void platform_stop_clear(void) { stop_request_clear(hint_stop_request()); }
int platform_stop_wait(int ms) { return stop_request_wait(hint_stop_request(), ms); }
