// The status-bar clock line and the elapsed-time figures.
#include "clock.h"
#include <stdio.h>
#include "display_scale.h"
#include "shell_state.h"
#include "status_bar.h"
#include "wide_text.h"

namespace {

const char* const WEEKDAY_NAMES[7] = {"日", "月", "火", "水", "木", "金", "土"};
const char* const ZERO_TIME = "00:00:00";

// Figures go to back_dc for later repaints and straight to the screen to be seen now.
void show_time_text(const char* text) {
  if (!main_window) return;   // a null window would mean the whole screen
  HDC dc = GetDC(main_window);
  HGDIOBJ old_brush = SelectObject(dc, back_brush);
  const RECT strip = at_display_scale(TIME_STRIP);
  int width = strip.right - strip.left, height = strip.bottom - strip.top;
  PatBlt(back_dc, strip.left, strip.top, width, height, PATCOPY);
  PatBlt(dc, strip.left, strip.top, width, height, PATCOPY);
  HGDIOBJ old_font = SelectObject(dc, time_font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 0, 255));
  wchar_t wide[32];
  wide_copy_from_sjis(text, wide, 32);
  const int length = lstrlenW(wide);
  const int x = at_display_scale(TIME_TEXT_X), y = at_display_scale(TIME_TEXT_Y);
  TextOutW(back_dc, x, y, wide, length);
  TextOutW(dc, x, y, wide, length);
  SelectObject(dc, old_font);
  SelectObject(dc, old_brush);
  ReleaseDC(main_window, dc);
}

}  // namespace

void format_clock_line(const SYSTEMTIME& time, char* out, int out_size) {
  snprintf(out, out_size, "今日は %2d 月 %2d 日（%s） です    ただ今の時刻 ：%2d 時 %2d 分 %2d 秒",
           time.wMonth, time.wDay, WEEKDAY_NAMES[time.wDayOfWeek % 7], time.wHour, time.wMinute,
           time.wSecond);
}

void show_clock() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char line[128];
  format_clock_line(now, line, sizeof(line));
  set_status_text(line);
}

void format_elapsed(int seconds, char* out, int out_size) {
  int hours = seconds / 3600;
  int minutes = seconds / 60 - hours * 60;
  snprintf(out, out_size, "%02d:%02d:%02d", hours, minutes, seconds % 60);
}

void draw_time() {
  char text[32];
  format_elapsed(elapsed_seconds, text, sizeof(text));
  show_time_text(text);
}

void clear_time_display() { show_time_text(ZERO_TIME); }
