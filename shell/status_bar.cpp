// The status bar's text, the menu help texts and the clock timer's three states.
#include "status_bar.h"
#include <commctrl.h>
#include "app_identity.h"
#include "clock.h"
#include "shell_state.h"
#include "wide_text.h"

namespace {

const char* const UNDO_HELP_TEXT = "【一手戻る】 UNDO します。BackSpace キーでも UNDO できます。";
const char* const HINT_HELP_TEXT =
    "【ヒント】 取れる牌をすべて表示します。右クリックでもヒント表示します。";
const char* const TURN_WAIT_TEXT = "ほかのプログラムが設定ファイルを使い終わるのを待っています…";
constexpr int UNDO_TITLE_POSITION = 1;
constexpr int HINT_TITLE_POSITION = 2;

void start_clock_again(HWND main, int* clock_on) {
  if (*clock_on != 0) return;
  *clock_on = 1;
  SetTimer(main, TIMER_CLOCK, CLOCK_RESTART_PERIOD_MS, nullptr);
}

void hold_help_text(HWND main, int* clock_on, const char* text) {
  if (*clock_on == 1) {
    *clock_on = 0;
    KillTimer(main, TIMER_CLOCK);
  }
  set_status_text(text);
}

}  // namespace

void create_status_bar(HWND main) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  status_bar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_BOTTOM,
                               0, 0, 0, 0, main, nullptr, app_instance, nullptr);
  SendMessageW(status_bar, SB_SIMPLE, TRUE, 0);
}

void set_status_text(const char* text) {
  wchar_t* wide = wide_from_sjis(text);
  SendMessageW(status_bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(wide));
  wide_free(wide);
}

void show_menu_help(HWND main, int* clock_on, POINT screen_point) {
  int position = MenuItemFromPoint(main, GetMenu(main), screen_point);
  if (position == UNDO_TITLE_POSITION)
    hold_help_text(main, clock_on, UNDO_HELP_TEXT);
  else if (position == HINT_TITLE_POSITION)
    hold_help_text(main, clock_on, HINT_HELP_TEXT);
  else
    start_clock_again(main, clock_on);
}

void restart_clock(HWND main) { start_clock_again(main, &clock_timer_on); }

// The clock's line comes back at once, and its timer if a help text had stopped it.
void show_turn_wait(int waiting) {
  if (!status_bar) return;
  if (waiting) {
    set_status_text(TURN_WAIT_TEXT);
    return;
  }
  show_clock();
  restart_clock(main_window);
}
