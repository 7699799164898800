// The few operations through which the game rules reach the screen, threads and
// message boxes. The rules declare them; the Windows program defines them, and the
// native tests link a recording fake instead.
#pragma once

typedef void* WindowHandle;   // a platform window (HWND on Windows)
typedef void* Surface;        // a drawing surface with a current pen (HDC on Windows)
typedef void* ThreadHandle;   // a running or finished worker thread

// Colour indices that fill the face ground of a tile picture: a tile's look.
enum TileMark {
  MARK_SELECTED = 13,
  MARK_HINT = 14,
  MARK_SPARE = 15,
  MARK_NORMAL = 16,
};

// Draws one straight segment with the surface's current pen (move to, line to).
void platform_draw_segment(Surface surface, int x1, int y1, int x2, int y2);

// Rewrites colour indices a, b, c (b or c of 0 mean "same as a") to d in the
// pixel buffer of picture image_id, and when draw is 1 draws it into window at once.
void platform_recolor_tile(WindowHandle window, int image_id, int a, int b, int c, int d,
                           int draw);

// Shows a (tile) window that was hidden.
void platform_show_window(WindowHandle window);

// A modal box with one OK button, owned by owner; returns when it is closed.
void platform_message_box(WindowHandle owner, const char* text, const char* caption);

// The hint worker's thread. Start returns nullptr when no thread could be made.
ThreadHandle platform_thread_start(int (*body)(void* argument), void* argument);
// Waits until the thread has returned; the handle stays valid. On Windows the wait
// still serves messages sent to the waiting thread's windows, so the caller may be
// entered again from inside it.
void platform_thread_wait(ThreadHandle thread);
// Releases the handle of a thread that has returned.
void platform_thread_release(ThreadHandle thread);

// Hands one step of the hint's display, timed by the worker numbered hint, to the
// main window's own thread, which draws it through hint_show_pair as soon as it
// takes it, if that hint is still the current one: the tiles of slots first and
// second lit (lit 1) or put back (lit 0). Returns at once.
void platform_report_pair(WindowHandle main_window, unsigned hint, int first, int second, int lit);

// Hands the hint's "stuck" verdict, found by the worker numbered hint, to the main
// window's own thread, which shows it later through hint_show_stuck if that hint is
// still the current one. Returns at once.
void platform_report_stuck(WindowHandle main_window, unsigned hint);

// The stop request of the hint worker: set by the user-interface thread, cleared
// before a new worker starts. platform_stop_wait sleeps up to ms milliseconds and
// returns 1 at once when the stop request is (or becomes) set, else 0.
void platform_stop_set(void);
void platform_stop_clear(void);
int platform_stop_wait(int ms);
