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

// How platform_stop_wait spends its time: as asked, not at all, or until a stop.
enum class WaitMode { real, instant, until_stop };

// Forgets every record and look, and puts every switch back to its default
// (real waits, threads start, message boxes return at once).
void reset();
void clear_records();

std::vector<Segment> segments();
std::vector<Recolor> recolors();
std::vector<WindowHandle> shown_windows();
std::vector<Box> boxes();
std::vector<int> waits();   // the ms of every platform_stop_wait, in order

// The look of a picture as the recolours so far left it (MARK_NORMAL at first).
int look(int image_id);

void set_wait_mode(WaitMode mode);
void set_thread_start_fails(bool fails);
// Runs on the thread that opened a box, after it was recorded, as if the player
// took that long to close it.
void set_box_action(std::function<void(const Box&)> action);

// 1 while a thread started through the fake has not returned from its body.
bool thread_running(ThreadHandle thread);

// Polls condition until it holds or timeout_ms passed; returns the last result.
bool wait_until(const std::function<bool()>& condition, int timeout_ms = 10000);

}  // namespace fake
