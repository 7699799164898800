// The Windows side of the operations that the game rules declare: line drawing,
// showing windows, message boxes and the hint worker's thread and stop request.
#include <windows.h>
#include "drawn_line.h"
#include "modal_boxes.h"
#include "platform.h"

namespace {

RECT drawn_line_bounds = {0, 0, 0, 0};
constexpr int PEN_REACH = 6;   // half the path pen's width, and one pixel for its rounding

}  // namespace

void platform_draw_segment(Surface surface, int x1, int y1, int x2, int y2) {
  HDC dc = static_cast<HDC>(surface);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  RECT segment = {x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, (x1 > x2 ? x1 : x2) + 1,
                  (y1 > y2 ? y1 : y2) + 1};
  InflateRect(&segment, PEN_REACH, PEN_REACH);
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

// Manual-reset: once set, every wait of the worker returns at once until cleared.
HANDLE stop_event() {
  static HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  return event;
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

int platform_thread_running(ThreadHandle thread) {
  DWORD code = 0;
  return thread && GetExitCodeThread(static_cast<HANDLE>(thread), &code) && code == STILL_ACTIVE;
}

void platform_thread_join(ThreadHandle thread) {
  if (!thread) return;
  HANDLE handle = static_cast<HANDLE>(thread);
  // Serve sent messages only: the worker's draws and message box may send to our windows.
  while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  CloseHandle(handle);
}

void platform_thread_release(ThreadHandle thread) {
  if (thread) CloseHandle(static_cast<HANDLE>(thread));
}

void platform_stop_set(void) { SetEvent(stop_event()); }
void platform_stop_clear(void) { ResetEvent(stop_event()); }

int platform_stop_wait(int ms) {
  return WaitForSingleObject(stop_event(), static_cast<DWORD>(ms < 0 ? 0 : ms)) == WAIT_OBJECT_0;
}
