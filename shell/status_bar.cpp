// The status bar's text, the menu help texts and the clock timer's three states.
#include "status_bar.h"
#include <commctrl.h>
#include "app_identity.h"
#include "clock.h"
#include "program_icons.h"
#include "shell_state.h"
#include "user32_later.h"
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

// The system's status-bar font at `dpi`; null when the system cannot say. Windows 8.1
// gives it at the system's DPI only, so there it is scaled from that.
HFONT status_font_at(UINT dpi) {
  using MetricsForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
  static const auto for_dpi = user32_function<MetricsForDpi>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  const BOOL read = for_dpi ? for_dpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)
                            : SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  if (!for_dpi) metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi, dpi_of(nullptr));
  return read ? CreateFontIndirectW(&metrics.lfStatusFont) : nullptr;
}

}  // namespace

void fit_status_bar(UINT dpi) {
  if (HFONT made = status_font_at(dpi)) {
    SendMessageW(status_bar, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (status_font) DeleteObject(status_font);
    status_font = made;
  }
  SendMessageW(status_bar, WM_SIZE, 0, 0);   // its height from the font, along the bottom edge
}

void create_status_bar(HWND main) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  status_bar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_BOTTOM,
                               0, 0, 0, 0, main, nullptr, app_instance, nullptr);
  SendMessageW(status_bar, SB_SIMPLE, TRUE, 0);
  fit_status_bar(dpi_of(main));
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
