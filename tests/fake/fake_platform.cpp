// The recording fake of rules/platform.h for the native and Wine rules tests.
#include "fake_platform.h"
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace {

std::mutex records_mutex;
std::vector<fake::Segment> segment_log;
std::vector<fake::Recolor> recolor_log;
std::vector<WindowHandle> shown_log;
std::vector<fake::Box> box_log;
std::vector<int> wait_log;
std::map<int, int> looks;
fake::WaitMode wait_mode = fake::WaitMode::real;
bool thread_start_fails = false;
std::function<void(const fake::Box&)> box_action;

std::mutex stop_mutex;
std::condition_variable stop_changed;
bool stop_flag = false;

struct FakeThread {
  std::thread thread;
  // Shared with the thread, so a released (detached) thread can still mark its end.
  std::shared_ptr<std::atomic<bool>> done;
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
}

void reset() {
  clear_records();
  std::lock_guard<std::mutex> lock(records_mutex);
  looks.clear();
  wait_mode = WaitMode::real;
  thread_start_fails = false;
  box_action = nullptr;
}

std::vector<Segment> segments() { return copy_locked(segment_log); }
std::vector<Recolor> recolors() { return copy_locked(recolor_log); }
std::vector<WindowHandle> shown_windows() { return copy_locked(shown_log); }
std::vector<Box> boxes() { return copy_locked(box_log); }
std::vector<int> waits() { return copy_locked(wait_log); }

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

void set_box_action(std::function<void(const Box&)> action) {
  std::lock_guard<std::mutex> lock(records_mutex);
  box_action = std::move(action);
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
  fake::Box box{owner, text, caption};
  std::function<void(const fake::Box&)> action;
  {
    std::lock_guard<std::mutex> lock(records_mutex);
    box_log.push_back(box);
    action = box_action;
  }
  if (action) action(box);
}

ThreadHandle platform_thread_start(int (*body)(void*), void* argument) {
  {
    std::lock_guard<std::mutex> lock(records_mutex);
    if (thread_start_fails) return nullptr;
  }
  FakeThread* handle = new FakeThread;
  handle->done = std::make_shared<std::atomic<bool>>(false);
  std::shared_ptr<std::atomic<bool>> done = handle->done;
  handle->thread = std::thread([body, argument, done] {
    body(argument);
    done->store(true);
  });
  return handle;
}

void platform_thread_join(ThreadHandle thread) {
  if (!thread) return;
  FakeThread* handle = static_cast<FakeThread*>(thread);
  handle->thread.join();
  delete handle;
}

void platform_thread_release(ThreadHandle thread) {
  if (!thread) return;
  FakeThread* handle = static_cast<FakeThread*>(thread);
  handle->thread.detach();
  delete handle;
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
