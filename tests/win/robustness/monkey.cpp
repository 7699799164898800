// The monkey's events: clicks anywhere, picks, good pairs, keys, commands, timer
// ticks and pointer moves, each as the platform would deliver it.
#include "monkey.h"
#include <vector>
#include "board.h"
#include "box_catcher.h"
#include "connection.h"
#include "hint.h"
#include "resource.h"
#include "shell_state.h"
#include "tile_windows.h"

namespace {

constexpr int TILE_WIDTH = 43, TILE_HEIGHT = 62;
constexpr DWORD WORKER_END_LIMIT_MS = 10000;

int below(Monkey& m, int n) { return static_cast<int>(m.random() % static_cast<unsigned>(n)); }

template <size_t N>
int weighted(Monkey& m, const int (&weights)[N]) {
  int total = 0;
  for (int w : weights) total += w;
  int pick = below(m, total);
  for (size_t k = 0; k < N; ++k) {
    if (pick < weights[k]) return static_cast<int>(k);
    pick -= weights[k];
  }
  return 0;
}

HWND tile(int slot) { return static_cast<HWND>(pai_windows[slot]); }

// The topmost shown child whose outline holds the point, as the window manager finds
// it (tile windows are cut to their outline), else the main window itself.
HWND window_under(HWND main, POINT client) {
  POINT screen = client;
  ClientToScreen(main, &screen);
  for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT rect;
    GetWindowRect(child, &rect);
    if (!PtInRect(&rect, screen)) continue;
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    bool inside = GetWindowRgn(child, outline) == ERROR ||
                  PtInRegion(outline, screen.x - rect.left, screen.y - rect.top);
    DeleteObject(outline);
    if (inside) return child;
  }
  return main;
}

std::string mouse_at(Monkey& m, POINT client, bool left) {
  if (IsIconic(m.main)) ShowWindow(m.main, SW_RESTORE);   // a player restores before clicking
  HWND target = window_under(m.main, client);
  POINT local = client;
  MapWindowPoints(m.main, target, &local, 1);
  LPARAM where = MAKELPARAM(local.x, local.y);
  SendMessageA(target, WM_MOUSEMOVE, 0, where);
  SendMessageA(target, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON, where);
  if (IsWindow(target)) SendMessageA(target, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, where);
  int slot = -1;
  for (int s = 0; s < TILE_COUNT; ++s) if (tile(s) == target) slot = s;
  ++m.tally[slot >= 0 ? (left ? "left click on a tile" : "right click on a tile")
                      : (left ? "left click elsewhere" : "right click elsewhere")];
  return std::string(left ? "left" : "right") + " click at " + std::to_string(client.x) + "," +
         std::to_string(client.y) + (slot >= 0 ? " on slot " + std::to_string(slot) : "");
}

POINT anywhere(Monkey& m) {
  RECT client;
  GetClientRect(m.main, &client);
  if (client.right <= 0 || client.bottom <= 0) client = RECT{0, 0, 774, 530};
  return POINT{below(m, client.right), below(m, client.bottom)};
}

// Anywhere on a tile's square, its cut corners included.
POINT on_a_tile(Monkey& m) {
  int slot = below(m, TILE_COUNT);
  return POINT{tile_rects[slot].left + below(m, TILE_WIDTH), tile_rects[slot].top + below(m, TILE_HEIGHT)};
}

std::string pai_click(Monkey& m, int slot) {
  SendMessageA(m.main, WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(tile(slot)));
  return "pick of slot " + std::to_string(slot);
}

bool on_board(int slot) { return slot_cell(slot).state == TILE_IN_PLACE || slot_cell(slot).state == TILE_SELECTED; }

bool removable(int a, int b) {
  return on_board(a) && on_board(b) && face_of(deal_table[a]) == face_of(deal_table[b]) &&
         can_connect(slot_x(a), slot_y(a), slot_x(b), slot_y(b));
}

// A player who sees a pair: its partner if the picked tile has one, else a fresh pair.
std::string good_pair(Monkey& m) {
  std::vector<std::pair<int, int>> pairs;
  for (int a = 0; a < TILE_COUNT; ++a)
    for (int b = a + 1; b < TILE_COUNT; ++b)
      if (removable(a, b)) pairs.push_back({a, b});
  ++m.tally["good pair"];
  if (pairs.empty()) return "good pair: none left";
  for (auto [a, b] : pairs) {
    if (a == selected_slot) return pai_click(m, b);
    if (b == selected_slot) return pai_click(m, a);
  }
  if (selected_slot != NO_SELECTION) pai_click(m, selected_slot);   // drop the unmatched pick
  auto [a, b] = pairs[below(m, static_cast<int>(pairs.size()))];
  pai_click(m, a);
  return "good pair " + pai_click(m, b);
}

std::string key(Monkey& m) {
  static const int keys[] = {VK_BACK, VK_BACK, VK_BACK, VK_ESCAPE, VK_F1, VK_F2, VK_F2, VK_SPACE,
                             VK_RETURN, VK_F10, VK_DELETE, 'A', VK_TAB, VK_F3};
  int code = below(m, 5) == 0 ? below(m, 256) : keys[below(m, sizeof keys / sizeof keys[0])];
  SendMessageA(m.main, WM_KEYDOWN, code, 1);
  SendMessageA(m.main, WM_KEYUP, code, 1 | (1u << 30) | (1u << 31));
  ++m.tally["key"];
  return "key " + std::to_string(code);
}

// Every command but quitting; now and then a number that no menu item carries.
std::string command(Monkey& m) {
  static const int ids[] = {IDM_NEW_GAME, IDM_UNDO, IDM_HINT, IDM_ABOUT, IDM_HELP, IDM_HOMEPAGE, IDM_RESTART,
                            IDM_RANKING, IDM_MODE_NORMAL, IDM_MODE_EASY, IDM_SOUND_ON, IDM_SOUND_OFF, 0};
  static const int weights[] = {4, 8, 5, 1, 1, 1, 4, 1, 2, 3, 1, 1, 1};
  int id = ids[weighted(m, weights)];
  if (id == 0) {
    do id = 40000 + below(m, 40); while (id == IDM_QUIT);
  }
  SendMessageA(m.main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  ++m.tally["command"];
  return "command " + std::to_string(id);
}

std::string tick(Monkey& m) {
  static const UINT_PTR timers[] = {TIMER_REMOVE, TIMER_ELAPSED, TIMER_CLOCK, 77};
  static const int weights[] = {12, 6, 2, 1};
  UINT_PTR id = timers[weighted(m, weights)];
  SendMessageA(m.main, WM_TIMER, id, 0);
  ++m.tally["timer tick"];
  return "timer " + std::to_string(id);
}

// Over the menu bar and caption (the status-bar help texts) or over the board.
std::string pointer_move(Monkey& m) {
  RECT outer;
  GetWindowRect(m.main, &outer);
  POINT screen = {outer.left + below(m, 780), outer.top + below(m, 60)};
  SendMessageA(m.main, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(screen.x, screen.y));
  POINT client = anywhere(m);
  SendMessageA(m.main, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  ++m.tally["pointer move"];
  return "pointer over " + std::to_string(screen.x) + "," + std::to_string(screen.y);
}

// A click that no tile window would send: no window, the main window, a hidden tile.
std::string stray_pick(Monkey& m) {
  static const HWND odd[] = {nullptr, m.main, reinterpret_cast<HWND>(0x12345)};
  ++m.tally["stray pick"];
  if (below(m, 2) == 0) return pai_click(m, below(m, TILE_COUNT));
  SendMessageA(m.main, WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(odd[below(m, 3)]));
  return "pick of a window that is no tile";
}

// Names as a player might type them: Japanese, far too long, empty, control bytes.
const char* const TYPED_NAMES[] = {"モンキー", "", "A", "\x01\x02\t", "とても長い名前をここに入力しました、三十一バイトを超えます",
                                   "0123456789012345678901234567890123456789", "a=b;[c]"};

}  // namespace

// Now and then the monkey plays good pairs in a row until none is left, so that
// games end, stuck or cleared, between the random events.
std::string streak_event(Monkey& m) {
  for (int a = 0; a < TILE_COUNT; ++a)
    for (int b = a + 1; b < TILE_COUNT; ++b)
      if (removable(a, b)) return good_pair(m);
  m.streak = 0;
  ++m.tally["streak played out"];
  SendMessageA(m.main, WM_TIMER, TIMER_REMOVE, 0);
  SendMessageA(m.main, WM_TIMER, TIMER_REMOVE, 0);
  return "streak end: two removal ticks";
}

std::string monkey_event(Monkey& m) {
  static const int weights[] = {160, 180, 90, 140, 30, 20, 80, 100, 120, 20, 40, 3};
  ++m.tally["events"];
  if (m.streak > 0) {
    --m.streak;
    return streak_event(m);
  }
  switch (weighted(m, weights)) {
    case 0: return mouse_at(m, anywhere(m), true);
    case 1: return mouse_at(m, on_a_tile(m), true);
    case 2: {
      ++m.tally["pick"];
      return pai_click(m, below(m, TILE_COUNT));
    }
    case 3: return good_pair(m);
    case 4: return mouse_at(m, anywhere(m), false);
    case 5: return mouse_at(m, on_a_tile(m), false);
    case 6: return key(m);
    case 7: return command(m);
    case 8: return tick(m);
    case 9: return pointer_move(m);
    case 10: return stray_pick(m);
    default:
      m.streak = 2 * PAIR_COUNT;
      ++m.tally["streak"];
      return "streak begins";
  }
}

namespace {

struct WorkerBox {
  HWND box;
};

BOOL CALLBACK find_dialog(HWND window, LPARAM found) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (strcmp(name, "#32770") != 0) return TRUE;
  reinterpret_cast<WorkerBox*>(found)->box = window;
  return FALSE;
}

}  // namespace

int settle_hint_worker(Monkey& m) {
  if (!hint_thread) return 1;
  HANDLE worker = nullptr;
  DuplicateHandle(GetCurrentProcess(), static_cast<HANDLE>(hint_thread), GetCurrentProcess(), &worker,
                  0, FALSE, DUPLICATE_SAME_ACCESS);
  hint_stop();
  if (!worker) return 1;
  const DWORD worker_id = GetThreadId(worker);
  const DWORD start = GetTickCount();
  int ended = 0;
  HWND answered = nullptr;
  while (GetTickCount() - start < WORKER_END_LIMIT_MS) {
    DWORD woke = MsgWaitForMultipleObjects(1, &worker, FALSE, 20, QS_SENDMESSAGE);
    if (woke == WAIT_OBJECT_0) { ended = 1; break; }
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);   // serve what the worker sends
    WorkerBox found = {nullptr};
    EnumThreadWindows(worker_id, find_dialog, reinterpret_cast<LPARAM>(&found));
    if (found.box && found.box != answered && IsWindowVisible(found.box)) {
      ++m.tally["box of the hint worker: " + window_text(found.box)];
      PostMessageA(found.box, WM_COMMAND, IDOK, 0);
      answered = found.box;
    }
  }
  CloseHandle(worker);
  return ended;
}

void monkey_box_action(Monkey& m, HWND box) {
  std::string caption = window_text(box);
  ++m.tally["box: " + caption + " " + window_text(GetDlgItem(box, 0xFFFF))];
  for (int row = 0; row < 10 && caption == "ランキング"; ++row) {
    HWND name = GetDlgItem(box, IDC_RANK_NAME_FIRST + row);
    if (name && !(GetWindowLongA(name, GWL_STYLE) & ES_READONLY)) {
      SetWindowTextA(name, TYPED_NAMES[below(m, sizeof TYPED_NAMES / sizeof TYPED_NAMES[0])]);
      ++m.tally["ranking entries"];
    }
  }
  press_button(IDOK)(box);
}
