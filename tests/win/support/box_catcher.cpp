// Meeting modal boxes and dialogs in tests through a thread-local CBT hook.
#include "box_catcher.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

thread_local BoxCatcher* current_catcher = nullptr;
constexpr UINT WATCHDOG_MS = 10000;
constexpr int MESSAGE_BOX_TEXT_ID = 0xFFFF;

LRESULT CALLBACK cbt_hook(int code, WPARAM wparam, LPARAM lparam) {
  if (current_catcher != nullptr) {
    if (code == HCBT_ACTIVATE) current_catcher->on_activate(reinterpret_cast<HWND>(wparam));
    if (code == HCBT_DESTROYWND) current_catcher->on_destroy(reinterpret_cast<HWND>(wparam));
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void CALLBACK pending_timer(HWND, UINT, UINT_PTR timer, DWORD) {
  if (current_catcher != nullptr) current_catcher->run_pending(timer);
  else KillTimer(nullptr, timer);
}

bool is_dialog(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  return strcmp(name, "#32770") == 0;
}

}  // namespace

// Read in UTF-16, as a player's screen shows it, and spelt in Shift-JIS for the
// tests' literals: the same on a system of any code page.
std::string window_text(HWND window) {
  wchar_t wide[1024] = L"";
  GetWindowTextW(window, wide, 1024);
  char text[2048] = "";
  WideCharToMultiByte(932, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

BoxAction press_button(int button_id) {
  return [button_id](HWND box) {
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button_id)));
  };
}

BoxCatcher::BoxCatcher() : BoxCatcher(press_button(IDOK)) {}

BoxCatcher::BoxCatcher(BoxAction action) : default_action_(std::move(action)) {
  previous_ = current_catcher;
  current_catcher = this;
  hook_ = SetWindowsHookExA(WH_CBT, cbt_hook, nullptr, GetCurrentThreadId());
}

BoxCatcher::~BoxCatcher() {
  UnhookWindowsHookEx(hook_);
  for (const Pending& p : pending_) KillTimer(nullptr, p.timer);
  current_catcher = previous_;
}

void BoxCatcher::then(BoxAction action) { queue_.push_back(std::move(action)); }
void BoxCatcher::set_default(BoxAction action) { default_action_ = std::move(action); }

std::vector<std::string> BoxCatcher::texts() const {
  std::vector<std::string> result;
  for (const CaughtBox& box : caught_) result.push_back(box.text);
  return result;
}

// A box is met once, however often it is activated again (after a box of its own closes).
void BoxCatcher::on_activate(HWND window) {
  if (!is_dialog(window) || std::find(open_.begin(), open_.end(), window) != open_.end()) return;
  open_.push_back(window);
  most_open_ = std::max(most_open_, open_.size());
  caught_.push_back({window, window_text(window), window_text(GetDlgItem(window, MESSAGE_BOX_TEXT_ID))});
  BoxAction action = default_action_;
  if (!queue_.empty()) {
    action = std::move(queue_.front());
    queue_.pop_front();
  }
  // The hook runs while the box is being shown; act once its modal loop runs.
  const UINT_PTR timer = SetTimer(nullptr, 0, 0, pending_timer);
  pending_.push_back({timer, window, std::move(action), false, false});
}

void BoxCatcher::on_destroy(HWND window) {
  open_.erase(std::remove(open_.begin(), open_.end(), window), open_.end());
  for (Pending& p : pending_)
    if (p.box == window) { KillTimer(nullptr, p.timer); p.box = nullptr; }
  pending_.erase(std::remove_if(pending_.begin(), pending_.end(),
                                [](const Pending& p) { return p.box == nullptr; }),
                 pending_.end());
}

void BoxCatcher::run_pending(UINT_PTR timer) {
  KillTimer(nullptr, timer);
  auto found = std::find_if(pending_.begin(), pending_.end(),
                            [timer](const Pending& p) { return p.timer == timer; });
  if (found == pending_.end()) return;
  HWND box = found->box;
  // A dialog can be activated (its first control takes the focus) before it is shown.
  if (!found->acted && !IsWindowVisible(box)) {
    found->timer = SetTimer(nullptr, 0, 10, pending_timer);
    return;
  }
  if (!found->paused && pause_) {
    found->paused = true;
    found->timer = SetTimer(nullptr, 0, pause_(), pending_timer);
    return;
  }
  if (found->acted) {
    ADD_FAILURE() << "a box was still open " << WATCHDOG_MS << " ms after its action: "
                  << window_text(box);
    pending_.erase(found);
    EndDialog(box, 0);
    return;
  }
  BoxAction action = std::move(found->action);
  found->acted = true;
  found->timer = SetTimer(nullptr, 0, WATCHDOG_MS, pending_timer);  // watchdog
  action(box);  // may close the box, which removes its entry
}

void pump_messages(HWND dialog) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (dialog != nullptr && IsDialogMessageA(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void press_dialog_key(HWND dialog, UINT virtual_key, bool alt) {
  HWND focus = GetFocus();
  if (focus == nullptr) focus = dialog;
  const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
  const LPARAM context = alt ? (1 << 29) : 0;
  PostMessageA(focus, down, virtual_key, 1 | context);
  PostMessageA(focus, up, virtual_key, 1 | context | (1u << 30) | (1u << 31));
  pump_messages(dialog);
}
