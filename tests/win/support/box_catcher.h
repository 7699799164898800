// Meeting modal boxes and dialogs in tests: a thread-local CBT hook records every
// message box or dialog activated on this thread and acts on it (presses a button,
// or runs a callback with the dialog's handle) from inside its own modal loop.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct CaughtBox {
  HWND window;
  std::string caption;  // Shift-JIS, as the program shows it
  std::string text;     // a message box's text (its static 0xFFFF); empty for other dialogs
};

using BoxAction = std::function<void(HWND box)>;

// Sends the button's click to the box at once, as a click on it would.
BoxAction press_button(int button_id);

// While alive, hooks the current thread only. Each newly activated box takes the next
// queued action; with the queue empty it takes the default action (press OK).
// The action runs once the box's modal loop is running, never inside the hook, and
// after the pause (if one is set) has passed in that loop, as a person who reads first.
// A box still open 10 s after its action is reported as a failure and ended.
class BoxCatcher {
 public:
  BoxCatcher();
  explicit BoxCatcher(BoxAction action);
  ~BoxCatcher();
  BoxCatcher(const BoxCatcher&) = delete;
  BoxCatcher& operator=(const BoxCatcher&) = delete;

  void then(BoxAction action);            // queue an action for the next box
  void set_default(BoxAction action);     // for boxes beyond the queue
  void set_pause(std::function<UINT()> pause_ms) { pause_ = std::move(pause_ms); }
  const std::vector<CaughtBox>& caught() const { return caught_; }
  std::vector<std::string> texts() const;
  // The most boxes of this thread that were open at one time: 1 unless one box
  // opened inside another's modal loop.
  size_t most_open() const { return most_open_; }

  // For the hook: internal.
  void on_activate(HWND window);
  void on_destroy(HWND window);
  void run_pending(UINT_PTR timer);

 private:
  struct Pending { UINT_PTR timer; HWND box; BoxAction action; bool paused; bool acted; };
  HHOOK hook_;
  BoxCatcher* previous_;
  std::deque<BoxAction> queue_;
  BoxAction default_action_;
  std::vector<CaughtBox> caught_;
  std::vector<HWND> open_;
  size_t most_open_ = 0;
  std::function<UINT()> pause_;
  std::vector<Pending> pending_;
};

// A key as a player types it into a dialog: the message goes to the focused control
// and through the dialog manager, as the dialog's modal loop would hand it on.
void press_dialog_key(HWND dialog, UINT virtual_key, bool alt = false);
// Handles what is queued, passing it through the dialog manager of dialog (if any).
void pump_messages(HWND dialog = nullptr);
// A window's text as the program's bytes (Shift-JIS).
std::string window_text(HWND window);
