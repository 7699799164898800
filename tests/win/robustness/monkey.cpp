// The monkey's events: clicks anywhere, picks, good pairs, keys, commands, timer
// ticks and pointer moves, each as the platform would deliver it; its answers to
// boxes, and what it checks between events.
#include "monkey.h"
#include <cstdio>
#include <cstring>
#include <vector>
#include "board.h"
#include "box_catcher.h"
#include "connection.h"
#include "hint.h"
#include "outcome.h"
#include "play_helpers.h"
#include "ranking_expect.h"
#include "removal.h"
#include "resource.h"
#include "settings.h"
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

// Input that a quick player gives while the pair just taken is still on show. When
// that pair ends the game, mostly the inputs that meet its outcome: the ranking view
// and About over its ranking entry, undo and a new game after its banner.
std::string in_the_delay(Monkey& m, bool game_ends) {
  struct Input { const char* name; UINT message; int code; };
  static const Input inputs[] = {{"ranking view", WM_COMMAND, IDM_RANKING}, {"About", WM_COMMAND, IDM_ABOUT},
                                 {"BackSpace", WM_KEYDOWN, VK_BACK},        {"undo", WM_COMMAND, IDM_UNDO},
                                 {"F2", WM_KEYDOWN, VK_F2},                 {"new game", WM_COMMAND, IDM_NEW_GAME},
                                 {"restart", WM_COMMAND, IDM_RESTART},      {"hint", WM_COMMAND, IDM_HINT},
                                 {"space", WM_KEYDOWN, VK_SPACE}};
  constexpr int MEETING_THE_OUTCOME = 6, ALL = sizeof inputs / sizeof inputs[0];
  const Input& input = inputs[below(m, game_ends && below(m, 4) != 0 ? MEETING_THE_OUTCOME : ALL)];
  ++m.tally[std::string("in a removal delay") + (game_ends ? " that ends the game" : "") + ": " + input.name];
  SendMessageA(m.main, input.message, input.code, 0);
  return std::string(input.name) + " in the delay";
}

// The pair just accepted left nothing to play: the game ends when it is taken off.
bool pair_ends_the_game() { return removal_delay.pending && (board_is_stuck() || board_is_cleared()); }

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

// Names as a player might type them: Japanese, far too long, empty, control bytes
// (not at either end: the settings file drops blanks there when it is read).
const char* const TYPED_NAMES[] = {"モンキー", "", "A", "\x01\t\x02", "とても長い名前をここに入力しました、三十一バイトを超えます",
                                   "0123456789012345678901234567890123456789", "a=b;[c]"};

}  // namespace

// Now and then the monkey plays good pairs in a row until none is left, so that
// games end, stuck or cleared, between the random events; most pairs that end a
// game get an input right inside their delay.
std::string streak_event(Monkey& m) {
  for (int a = 0; a < TILE_COUNT; ++a)
    for (int b = a + 1; b < TILE_COUNT; ++b)
      if (removable(a, b)) {
        std::string pair = good_pair(m);
        if (pair_ends_the_game() && below(m, 4) != 0) pair += ", then " + in_the_delay(m, true);
        return pair;
      }
  m.streak = 0;
  ++m.tally["streak played out"];
  SendMessageA(m.main, WM_TIMER, TIMER_REMOVE, 0);
  SendMessageA(m.main, WM_TIMER, TIMER_REMOVE, 0);
  return "streak end: two removal ticks";
}

std::string monkey_event(Monkey& m) {
  static const int weights[] = {160, 180, 90, 140, 30, 20, 80, 100, 120, 20, 40, 12, 3};
  ++m.tally["events"];
  m.event_in_delay = removal_delay.pending != 0;
  if (!IsWindowEnabled(m.main)) {   // a person cannot give it input
    ++m.tally["waits for the main window to take input"];
    pump_messages();
    return "a wait: the main window is disabled";
  }
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
    case 11: {
      std::string pair = good_pair(m);
      return removal_delay.pending ? pair + ", then " + in_the_delay(m, pair_ends_the_game()) : pair;
    }
    default:
      m.streak = 2 * PAIR_COUNT;
      ++m.tally["streak"];
      return "streak begins";
  }
}

namespace {

bool is_box(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  return strcmp(name, "#32770") == 0 && IsWindowVisible(window);
}

BOOL CALLBACK count_box(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && is_box(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The program's boxes on screen, from any of its threads.
int boxes_open() {
  int count = 0;
  EnumWindows(count_box, reinterpret_cast<LPARAM>(&count));
  return count;
}

void note_fault(Monkey& m, const std::string& fault) {
  if (m.fault.empty()) m.fault = fault;
}

// What a person sees when a box comes: it is the only one, and the main window
// under it takes no input.
void check_box_alone(Monkey& m, const std::string& what) {
  ++m.tally["boxes"];
  if (m.event_in_delay) ++m.tally["boxes met in an event begun in a removal delay"];
  if (removal_delay.pending) ++m.tally["boxes met with a pair still on show"];
  if (boxes_open() > 1) {
    ++m.tally["nested boxes"];
    note_fault(m, "another box is open with " + what);
  }
  if (IsWindowEnabled(m.main)) note_fault(m, "the main window takes input under " + what);
}

}  // namespace

UINT monkey_pause_ms(Monkey& m) { return static_cast<UINT>(below(m, 1501)); }

// A worker on a board without pairs ends at once and hands its verdict to the main
// window: the box comes out of the queue, as for a player who waits for it.
int settle_hint_worker(Monkey& m) {
  if (!hint_thread) return 1;
  int ended = 1;
  if (board_is_stuck()) {
    ended = WaitForSingleObject(static_cast<HANDLE>(hint_thread), WORKER_END_LIMIT_MS) == WAIT_OBJECT_0;
    pump_messages();   // the box, if it comes, is answered by the catcher
  }
  hint_stop();
  return ended;
}

namespace {

// The new entry's time as its row shows it ("hh:mm:ss").
int shown_seconds(HWND dialog, int row) {
  int hours = 0, minutes = 0, seconds = 0;
  sscanf(window_text(GetDlgItem(dialog, IDC_RANK_TIME_FIRST + row)).c_str(), "%d:%d:%d", &hours, &minutes, &seconds);
  return hours * 3600 + minutes * 60 + seconds;
}

// The table the file must hold once this entry is named: the one it held, with the
// entry in the row its time earns, under the name as stored (whole characters of
// at most 31 bytes).
void expect_entry(Monkey& m, HWND dialog, int row, const char* typed) {
  const int seconds = shown_seconds(dialog, row);
  int earned = RANKING_NO_ROW;
  m.ranking = with_new_entry(m.ranking, seconds, typed, &earned);
  if (earned != row)
    note_fault(m, "a time of " + std::to_string(seconds) + " s took row " + std::to_string(row) + ", not " +
                      std::to_string(earned));
  m.player = earned == RANKING_NO_ROW ? "" : m.ranking.names[earned];
  m.player_known = true;
  ++m.tally["ranking entries made"];
}

}  // namespace

void monkey_box_action(Monkey& m, HWND box) {
  std::string caption = window_text(box);
  ++m.tally["box: " + caption + " " + window_text(GetDlgItem(box, 0xFFFF))];
  check_box_alone(m, caption);
  if (caption == "手詰まり" && !board_is_stuck()) note_fault(m, "the stuck box stands over a board with pairs");
  for (int row = 0; row < RANKING_SIZE && caption == "ランキング"; ++row) {
    HWND name = GetDlgItem(box, IDC_RANK_NAME_FIRST + row);
    if (name && !(GetWindowLongA(name, GWL_STYLE) & ES_READONLY)) {
      const char* typed = TYPED_NAMES[below(m, sizeof TYPED_NAMES / sizeof TYPED_NAMES[0])];
      SetWindowTextA(name, typed);
      expect_entry(m, box, row, typed);
    }
  }
  press_button(IDOK)(box);
}

std::string monkey_fault(Monkey& m) {
  if (!m.fault.empty()) return m.fault;
  if (boxes_open() != 0) return "a box is still open after the event";
  if (!IsWindowEnabled(m.main)) return "the main window takes no input with no box open";
  const std::string file = settings_bytes();
  if (file == m.file_seen) return "";
  m.file_seen = file;
  const std::string difference = ranking_difference(m.ranking, ranking_in_file());
  if (!difference.empty()) return "the ranking in the file: " + difference;
  char player[RANKING_NAME_SIZE] = "";
  ini_get_string("PLAYER", "NAME", "", player, sizeof player, SETTINGS_FILE_NAME);
  if (m.player_known && m.player != player) return "the name offered next is \"" + std::string(player) + "\", not \"" + m.player + "\"";
  m.tally["ranking entries checked in the file"] = m.tally["ranking entries made"];
  return "";
}
