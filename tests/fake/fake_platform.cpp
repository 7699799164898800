// The recording fake of rules/platform.h for the native and Wine rules tests.
#include "fake_platform.h"
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace {

std::mutex records_mutex;
std::vector<fake::Segment> segment_log;
std::vector<fake::Recolor> recolor_log;
std::vector<WindowHandle> shown_log;
std::vector<fake::Box> box_log;
std::vector<int> wait_log;
std::vector<fake::StuckReport> report_log;
std::vector<fake::PairReport> pair_log;
std::map<int, int> looks;
fake::WaitMode wait_mode = fake::WaitMode::real;
bool thread_start_fails = false;
bool threads_start_late = false;
std::function<void()> wait_action;
std::set<ThreadHandle> live_handles;
int released_uses = 0;

std::mutex stop_mutex;
std::condition_variable stop_changed;
bool stop_flag = false;

struct FakeThread {
  std::thread thread;
  // Shared with the thread, so a released (detached) thread can still mark its end.
  std::shared_ptr<std::atomic<bool>> done;
  std::shared_ptr<std::atomic<bool>> go;   // the body may run
};

int look_locked(int image_id) {
  auto it = looks.find(image_id);
  return it == looks.end() ? MARK_NORMAL : it->second;
}

template <typename T>
std::vector<T> copy_locked(const std::vector<T>& log) {
  std::lock_guard<std::mutex> lock(records_mutex);
  return log;
}

}  // namespace

namespace fake {

void clear_records() {
  std::lock_guard<std::mutex> lock(records_mutex);
  segment_log.clear();
  recolor_log.clear();
  shown_log.clear();
  box_log.clear();
  wait_log.clear();
  report_log.clear();
  pair_log.clear();
}

void reset() {
  clear_records();
  std::lock_guard<std::mutex> lock(records_mutex);
  looks.clear();
  wait_mode = WaitMode::real;
  thread_start_fails = false;
  threads_start_late = false;
  wait_action = nullptr;
  released_uses = 0;
}

std::vector<Segment> segments() { return copy_locked(segment_log); }
std::vector<Recolor> recolors() { return copy_locked(recolor_log); }
std::vector<WindowHandle> shown_windows() { return copy_locked(shown_log); }
std::vector<Box> boxes() { return copy_locked(box_log); }
std::vector<int> waits() { return copy_locked(wait_log); }
std::vector<StuckReport> stuck_reports() { return copy_locked(report_log); }

std::vector<PairReport> take_pair_reports() {
  std::lock_guard<std::mutex> lock(records_mutex);
  std::vector<PairReport> taken;
  taken.swap(pair_log);
  return taken;
}

int look(int image_id) {
  std::lock_guard<std::mutex> lock(records_mutex);
  return look_locked(image_id);
}

void set_wait_mode(WaitMode mode) {
  std::lock_guard<std::mutex> lock(records_mutex);
  wait_mode = mode;
}

void set_thread_start_fails(bool fails) {
  std::lock_guard<std::mutex> lock(records_mutex);
  thread_start_fails = fails;
}

void set_threads_start_late(bool late) {
  std::lock_guard<std::mutex> lock(records_mutex);
  threads_start_late = late;
}

void set_wait_action(std::function<void()> action) {
  std::lock_guard<std::mutex> lock(records_mutex);
  wait_action = std::move(action);
}

int live_threads() {
  std::lock_guard<std::mutex> lock(records_mutex);
  return static_cast<int>(live_handles.size());
}

int released_handle_uses() {
  std::lock_guard<std::mutex> lock(records_mutex);
  return released_uses;
}

bool wait_until(const std::function<bool()>& condition, int timeout_ms) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

bool thread_running(ThreadHandle thread) {
  return thread && !static_cast<FakeThread*>(thread)->done->load();
}

}  // namespace fake

void platform_draw_segment(Surface surface, int x1, int y1, int x2, int y2) {
  std::lock_guard<std::mutex> lock(records_mutex);
  segment_log.push_back(fake::Segment{surface, x1, y1, x2, y2});
}

void platform_recolor_tile(WindowHandle window, int image_id, int a, int b, int c, int d, int draw) {
  std::lock_guard<std::mutex> lock(records_mutex);
  recolor_log.push_back(fake::Recolor{window, image_id, a, b, c, d, draw});
  int now = look_locked(image_id);
  if (now == a || now == (b ? b : a) || now == (c ? c : a)) looks[image_id] = d;
}

void platform_show_window(WindowHandle window) {
  std::lock_guard<std::mutex> lock(records_mutex);
  shown_log.push_back(window);
}

void platform_message_box(WindowHandle owner, const char* text, const char* caption) {
  std::lock_guard<std::mutex> lock(records_mutex);
  box_log.push_back(fake::Box{owner, text, caption});
}

ThreadHandle platform_thread_start(int (*body)(void*), void* argument) {
  bool late;
  {
    std::lock_guard<std::mutex> lock(records_mutex);
    if (thread_start_fails) return nullptr;
    late = threads_start_late;
  }
  FakeThread* handle = new FakeThread;
  handle->done = std::make_shared<std::atomic<bool>>(false);
  handle->go = std::make_shared<std::atomic<bool>>(!late);
  std::shared_ptr<std::atomic<bool>> done = handle->done, go = handle->go;
  handle->thread = std::thread([body, argument, done, go] {
    fake::wait_until([&go] { return go->load(); }, 60000);
    body(argument);
    done->store(true);
  });
  std::lock_guard<std::mutex> lock(records_mutex);
  live_handles.insert(handle);
  return handle;
}

namespace {

// False, and counted as a fault, when the handle was released already.
bool still_live(ThreadHandle thread) {
  std::lock_guard<std::mutex> lock(records_mutex);
  if (live_handles.count(thread)) return true;
  ++released_uses;
  return false;
}

void run_wait_action() {
  std::function<void()> action;
  {
    std::lock_guard<std::mutex> lock(records_mutex);
    action = std::move(wait_action);
    wait_action = nullptr;
  }
  if (action) action();
}

// A stopped worker ends within milliseconds. One that has not ended by far later
// never will (say a test failed before letting it go), and joining it would hang the
// run with the failure unreported: the run ends here, saying why.
constexpr int WORKER_END_LIMIT_MS = 20000;

void end_run_if_running(ThreadHandle thread) {
  if (!fake::thread_running(thread)) return;
  std::fprintf(stderr, "\nfake platform: the hint worker did not end within %d ms of its stop; "
               "the run ends here\n", WORKER_END_LIMIT_MS);
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

void platform_thread_wait(ThreadHandle thread) {
  if (!thread) return;
  run_wait_action();
  if (!still_live(thread)) return;
  static_cast<FakeThread*>(thread)->go->store(true);
  fake::wait_until([thread] { return !fake::thread_running(thread); }, WORKER_END_LIMIT_MS);
  end_run_if_running(thread);
}

void platform_thread_release(ThreadHandle thread) {
  if (!thread || !still_live(thread)) return;
  end_run_if_running(thread);
  FakeThread* handle = static_cast<FakeThread*>(thread);
  handle->go->store(true);
  handle->thread.join();   // it has returned, or is about to
  {
    std::lock_guard<std::mutex> lock(records_mutex);
    live_handles.erase(thread);
  }
  delete handle;
}

void platform_report_pair(WindowHandle main_window, unsigned hint, int first, int second, int lit) {
  std::lock_guard<std::mutex> lock(records_mutex);
  pair_log.push_back(fake::PairReport{main_window, hint, first, second, lit});
}

void platform_report_stuck(WindowHandle main_window, unsigned hint) {
  std::lock_guard<std::mutex> lock(records_mutex);
  report_log.push_back(fake::StuckReport{main_window, hint});
}

void platform_stop_set(void) {
  std::lock_guard<std::mutex> lock(stop_mutex);
  stop_flag = true;
  stop_changed.notify_all();
}

void platform_stop_clear(void) {
  std::lock_guard<std::mutex> lock(stop_mutex);
  stop_flag = false;
}

int platform_stop_wait(int ms) {
  fake::WaitMode mode;
  {
    std::lock_guard<std::mutex> lock(records_mutex);
    wait_log.push_back(ms);
    mode = wait_mode;
  }
  std::unique_lock<std::mutex> lock(stop_mutex);
  switch (mode) {
    case fake::WaitMode::instant:
      break;
    case fake::WaitMode::real:
      stop_changed.wait_for(lock, std::chrono::milliseconds(ms < 0 ? 0 : ms), [] { return stop_flag; });
      break;
    case fake::WaitMode::until_stop:
      stop_changed.wait(lock, [] { return stop_flag; });
      break;
  }
  return stop_flag ? 1 : 0;
}
