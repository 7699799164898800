// The status bar's clock line and help texts, and the elapsed-time figures.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "clock.h"
#include "elapsed_time.h"
#include "main_window_harness.h"
#include "shell_state.h"

namespace {

const char* const UNDO_HELP = "【一手戻る】 UNDO します。BackSpace キーでも UNDO できます。";
const char* const HINT_HELP = "【ヒント】 取れる牌をすべて表示します。右クリックでもヒント表示します。";

// The bar's one text, read back as any program reads it, in UTF-16: a bar in simple
// mode answers SB_GETTEXTW of part 0 with its simple text (not of part 255, the id
// that sets it).
std::string bar_text() {
  wchar_t wide[512] = L"";
  if (LOWORD(SendMessageW(status_bar, SB_GETTEXTLENGTHW, 0, 0)) < 512)
    SendMessageW(status_bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(wide));
  char text[1024] = "";
  WideCharToMultiByte(932, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

bool shows_clock_line() { return bar_text().rfind("今日は ", 0) == 0; }

// Pumps until the clock line is in the bar or the time is up.
bool clock_line_within(DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (!shows_clock_line() && GetTickCount() - start < milliseconds) {
    pump_messages();
    Sleep(5);
  }
  return shows_clock_line();
}

TEST(ClockLine, PadsEveryNumberBelowTenWithASpace) {
  struct Case { WORD month, weekday, day, hour, minute, second; const char* expected; };
  for (Case c : {Case{12, 0, 6, 9, 5, 3, "今日は 12 月  6 日（日） です    ただ今の時刻 ： 9 時  5 分  3 秒"},
                 Case{1, 6, 31, 23, 59, 58, "今日は  1 月 31 日（土） です    ただ今の時刻 ：23 時 59 分 58 秒"}}) {
    SYSTEMTIME time = {2026, c.month, c.weekday, c.day, c.hour, c.minute, c.second, 0};
    char line[128];
    format_clock_line(time, line, sizeof(line));
    EXPECT_STREQ(c.expected, line);
  }
}

TEST(ElapsedTime, FiguresAndTheirWrap) {
  char text[16];
  for (auto [seconds, expected] : {std::pair<int, const char*>{0, "00:00:00"}, {59, "00:00:59"},
                                   {3725, "01:02:05"}, {359999, "99:59:59"}}) {
    format_elapsed(seconds, text, sizeof(text));
    EXPECT_STREQ(expected, text);
  }
  EXPECT_EQ(1, elapsed_after(0, 1));
  EXPECT_EQ(0, elapsed_after(359999, 1));
  EXPECT_EQ(359999, elapsed_after(359989, 10));
  EXPECT_EQ(5, elapsed_after(359995, 10));   // a penalty past 99:59:59 wraps like the clock
}

struct ShellWindowTest : testing::Test {
  HWND window = nullptr;
  void SetUp() override {
    write_settings_text("[Pos]\r\nX=100\r\nY=100\r\n");
    window = open_main_window();
  }
  void TearDown() override {
    close_main_window(window);
    remove_settings();
  }
  POINT over_menu_title(int position) {
    RECT rect;
    GetMenuItemRect(window, GetMenu(window), position, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  void pointer_over_frame(POINT screen) {
    SendMessageA(window, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(screen.x, screen.y));
  }
  // 1 when a timer with that id runs; the probe stops it, so ask last.
  int timer_runs(UINT_PTR id) { return KillTimer(window, id) ? 1 : 0; }
};

// The first tick comes a second after creation: the bar stays empty until then.
TEST_F(ShellWindowTest, TheClockLineComesAboutASecondAfterStart) {
  EXPECT_EQ("", bar_text());
  EXPECT_TRUE(clock_line_within(1600));
}

TEST_F(ShellWindowTest, MenuHelpHoldsTheBarAndTheClockComesBack) {
  ASSERT_EQ(1, clock_timer_on);
  pointer_over_frame(over_menu_title(1));
  EXPECT_EQ(UNDO_HELP, bar_text());
  EXPECT_EQ(0, clock_timer_on);
  // Straight on to the hint title: its text replaces the other, no clock between.
  pointer_over_frame(over_menu_title(2));
  EXPECT_EQ(HINT_HELP, bar_text());
  EXPECT_EQ(0, clock_timer_on);
  // Over "ゲーム": the clock restarts, but the help text stays until its tick.
  pointer_over_frame(over_menu_title(0));
  EXPECT_EQ(1, clock_timer_on);
  EXPECT_EQ(HINT_HELP, bar_text());
  SendMessageA(window, WM_TIMER, TIMER_CLOCK, 0);
  EXPECT_TRUE(shows_clock_line());
}

TEST_F(ShellWindowTest, ClockTimerRunsStopsAndRestartsQuickly) {
  // Caption: no menu item under the pointer, and the running clock is left alone.
  RECT frame;
  GetWindowRect(window, &frame);
  pointer_over_frame(POINT{frame.left + 200, frame.top + 5});
  EXPECT_EQ(1, clock_timer_on);

  pointer_over_frame(over_menu_title(2));
  EXPECT_EQ(0, clock_timer_on);
  EXPECT_EQ(0, timer_runs(TIMER_CLOCK));

  // The board restarts it at 100 ms: its first tick comes well within a second.
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(20, 300));
  EXPECT_EQ(1, clock_timer_on);
  EXPECT_TRUE(clock_line_within(900));
  EXPECT_EQ(1, timer_runs(TIMER_CLOCK));
}

// The pixels of the elapsed-time strip in back_dc, then on screen.
std::vector<COLORREF> strip_pixels(HDC dc) {
  std::vector<COLORREF> pixels;
  for (int y = 10; y < 40; ++y)
    for (int x = 600; x < 740; ++x) pixels.push_back(GetPixel(dc, x, y));
  return pixels;
}

TEST_F(ShellWindowTest, ElapsedFiguresAreWipedAndRedrawnBothPlaces) {
  keep_on_top(window);
  clear_time_display();
  std::vector<COLORREF> zero = strip_pixels(back_dc);
  int magenta = 0;
  for (COLORREF pixel : zero) magenta += pixel == RGB(255, 0, 255);
  EXPECT_GT(magenta, 50);   // the figures are there

  for (int seconds : {59, 3725}) {
    elapsed_seconds = seconds;
    draw_time();
    EXPECT_NE(zero, strip_pixels(back_dc)) << seconds;
  }
  HDC screen = GetDC(window);
  EXPECT_EQ(strip_pixels(back_dc), strip_pixels(screen));
  // Back to zero: the old figures do not show through anywhere.
  elapsed_seconds = 0;
  draw_time();
  EXPECT_EQ(zero, strip_pixels(back_dc));
  EXPECT_EQ(zero, strip_pixels(screen));
  ReleaseDC(window, screen);
}

TEST_F(ShellWindowTest, ElapsedTickCountsAndWraps) {
  elapsed_seconds = 41;
  SendMessageA(window, WM_TIMER, TIMER_ELAPSED, 0);
  EXPECT_EQ(42, elapsed_seconds);
  elapsed_seconds = 359999;
  SendMessageA(window, WM_TIMER, TIMER_ELAPSED, 0);
  EXPECT_EQ(0, elapsed_seconds);
  std::vector<COLORREF> shown = strip_pixels(back_dc);
  clear_time_display();
  EXPECT_EQ(shown, strip_pixels(back_dc));
}

}  // namespace
