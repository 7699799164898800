// The recording fake of the platform operations: what the rules drew, recoloured,
// showed and said, plus switches for the thread start and the hint waits.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "platform.h"

namespace fake {

struct Segment {
  Surface surface;
  int x1, y1, x2, y2;
};

struct Recolor {
  WindowHandle window;
  int image_id, a, b, c, d, draw;
};

struct Box {
  WindowHandle owner;
  std::string text, caption;
};

// A "stuck" verdict handed to the main window's thread.
struct StuckReport {
  WindowHandle main_window;
  unsigned hint;
};

// A step of the hint's display handed to the main window's thread.
struct PairReport {
  WindowHandle main_window;
  unsigned hint;
  int first, second, lit;
};

// How platform_stop_wait spends its time: as asked, not at all, or until a stop.
enum class WaitMode { real, instant, until_stop };

// Forgets every record and look, and puts every switch back to its default
// (real waits, threads start at once, no action inside a wait).
void reset();
void clear_records();

std::vector<Segment> segments();
std::vector<Recolor> recolors();
std::vector<WindowHandle> shown_windows();
std::vector<Box> boxes();
std::vector<int> waits();   // the ms of every platform_stop_wait, in order
std::vector<StuckReport> stuck_reports();
// The steps handed over since the last call, in order; they are then forgotten.
std::vector<PairReport> take_pair_reports();

// The look of a picture as the recolours so far left it (MARK_NORMAL at first).
int look(int image_id);

void set_wait_mode(WaitMode mode);
void set_thread_start_fails(bool fails);
// When late, a thread started through the fake runs its body only once someone
// waits for its end, as a worker the scheduler has not run yet when it is stopped.
void set_threads_start_late(bool late);

// Runs once, on the waiting thread, inside the next wait for a worker's end, as a
// message sent to a window of that thread while it waits.
void set_wait_action(std::function<void()> action);

// 1 while a thread started through the fake has not returned from its body.
bool thread_running(ThreadHandle thread);
// Handles started and not yet released; and the uses of a handle already released.
int live_threads();
int released_handle_uses();

// Polls condition until it holds or timeout_ms passed; returns the last result.
bool wait_until(const std::function<bool()>& condition, int timeout_ms = 10000);

}  // namespace fake
