// The main window as WinMain makes it: classes, size, style, menu, children, stacking, place.
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>
#include "banner_windows.h"
#include "box_catcher.h"
#include "board.h"
#include "main_window.h"
#include "main_window_harness.h"
#include "resource.h"
#include "shell_state.h"
#include "stack_guard.h"
#include "tile_windows.h"
#include "window_position.h"

namespace {

// A menu as the player reads it, item by item from the top: place, caption, and the
// command id, ">" for a drop-down menu or "---" for a separator.
std::vector<std::string> menu_lines(HMENU menu, const std::string& parent) {
  std::vector<std::string> lines;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t wide[64] = L"";
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    item.dwTypeData = wide;
    item.cch = 64;
    GetMenuItemInfoW(menu, i, TRUE, &item);
    char caption[128] = "";
    WideCharToMultiByte(932, 0, wide, -1, caption, sizeof caption, nullptr, nullptr);
    const std::string place = parent.empty() ? std::to_string(i) : parent + "." + std::to_string(i + 1);
    std::string line = place + " " + caption;
    if (item.hSubMenu) line += " >";
    else line += " " + std::to_string(item.wID);
    if (item.fState & MFS_GRAYED) line += " (grey)";
    lines.push_back(item.fType & MFT_SEPARATOR ? place + " ---" : line);
    if (item.hSubMenu)
      for (const std::string& inner : menu_lines(item.hSubMenu, place)) lines.push_back(inner);
  }
  return lines;
}

struct MainWindowTest : testing::Test {
  HWND window = nullptr;
  void open_with(const char* settings) {
    write_settings_text(settings);
    window = open_main_window();
  }
  void TearDown() override {
    close_main_window(window);
    remove_settings();
  }
  RECT outer() {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
  }
};

const char* const CENTRED_SETTINGS = "[Pos]\r\nX=0\r\nY=0\r\n";

TEST_F(MainWindowTest, HasFixedSizeFrameWithMenuAndClippedChildren) {
  open_with(CENTRED_SETTINGS);
  RECT rect = outer();
  EXPECT_EQ(780, rect.right - rect.left);
  EXPECT_EQ(580, rect.bottom - rect.top);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_EQ(0, GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE);

  // The client area is what is left inside that frame, caption and menu bar.
  RECT client;
  GetClientRect(window, &client);
  RECT framed = client;
  AdjustWindowRectEx(&framed, style, TRUE, 0);
  EXPECT_EQ(780, framed.right - framed.left);
  EXPECT_EQ(580, framed.bottom - framed.top);
  EXPECT_GE(client.right, 740);   // the whole field of cells fits
  EXPECT_GE(client.bottom, 525);

  EXPECT_EQ("Kotopai", window_text(window));
  EXPECT_EQ(main_menu, GetMenu(window));
  const std::vector<std::string> menu = {
      "0 ゲーム >", "0.1 新しいゲーム F2 40001", "0.2 はじめから 40014", "0.3 モード切り替え >",
      "0.3.1 通常モード 40016", "0.3.2 簡単モード 40017", "0.4 効果音 >", "0.4.1 ON 40018",
      "0.4.2 OFF 40019", "0.5 ---", "0.6 ゲームを止める 40002", "1 一手戻る 40003", "2 ヒント 40005",
      "3 ランキング 40015", "4 ヘルプ >", "4.1 バージョン情報 40007", "4.2 説明ファイルを読む F1 40008",
      "4.3 作者のホームページ 40011"};
  EXPECT_EQ(menu, menu_lines(GetMenu(window), ""));
}

// The width of an icon's or cursor's picture; 0 for none.
int picture_width(HICON icon) {
  ICONINFO info = {};
  if (!icon || !GetIconInfo(icon, &info)) return 0;
  BITMAP mask = {};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return mask.bmWidth;
}

// One class style and no extra bytes for all four; the main window alone has an icon,
// the arrow, its own pattern brush and the menu; the others point with the finger. The
// icons and the finger are the pictures made for the system's sizes, none shrunk.
// All four are wide classes: their procedures, asked for in UTF-16, are the program's own.
TEST_F(MainWindowTest, TheFourWindowClassesAsRegistered) {
  open_with(CENTRED_SETTINGS);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXW pai = {};
  pai.cbSize = sizeof pai;
  ASSERT_TRUE(GetClassInfoExW(instance, L"Pai Window", &pai));
  HCURSOR finger = pai.hCursor;
  EXPECT_EQ(GetSystemMetrics(SM_CXCURSOR), picture_width(finger));
  HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  struct Class { const wchar_t* name; WNDPROC procedure; int icon, small_icon; HCURSOR cursor; HBRUSH brush; int menu; };
  for (Class c : {Class{L"Parent Window", main_wnd_proc, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON),
                        LoadCursorA(nullptr, IDC_ARROW), nullptr, 250},
                  Class{L"Omigoto Window", omigoto_wnd_proc, 0, 0, finger, nullptr, 0},
                  Class{L"Tezumari Window", tezumari_wnd_proc, 0, 0, finger, hollow, 0},
                  Class{L"Pai Window", pai_wnd_proc, 0, 0, finger, nullptr, 0}}) {
    SCOPED_TRACE(c.name);
    WNDCLASSEXW found = {};
    found.cbSize = sizeof found;
    ASSERT_TRUE(GetClassInfoExW(instance, c.name, &found));
    EXPECT_EQ(static_cast<UINT>(CS_HREDRAW | CS_VREDRAW), found.style);
    EXPECT_EQ(0, found.cbClsExtra + found.cbWndExtra);
    EXPECT_EQ(c.procedure, found.lpfnWndProc);
    EXPECT_EQ(c.icon, picture_width(found.hIcon));
    EXPECT_EQ(c.small_icon, picture_width(found.hIconSm));
    EXPECT_EQ(c.cursor, found.hCursor);
    EXPECT_EQ(c.menu, static_cast<int>(reinterpret_cast<UINT_PTR>(found.lpszMenuName)));
    if (c.menu == 0) {
      EXPECT_EQ(c.brush, found.hbrBackground);
    } else {   // the main class: a pattern brush of its own, not back_brush
      LOGBRUSH brush = {};
      ASSERT_EQ(static_cast<int>(sizeof brush), GetObjectA(found.hbrBackground, sizeof brush, &brush));
      EXPECT_EQ(static_cast<UINT>(BS_PATTERN), brush.lbStyle);
      EXPECT_NE(back_brush, found.hbrBackground);
    }
  }
}

// Where each tile window stands is the presentation tests' concern; here: the main
// window owns all 144, shown, on a fresh deal, under both hidden banners.
TEST_F(MainWindowTest, TilesStandOnAFreshDealAndBannersLieHiddenAboveThem) {
  open_with(CENTRED_SETTINGS);
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    HWND tile = static_cast<HWND>(pai_windows[slot]);
    ASSERT_EQ(window, GetParent(tile)) << slot;
    EXPECT_TRUE(IsWindowVisible(tile)) << slot;
    EXPECT_EQ(TILE_IN_PLACE, slot_cell(slot).state) << slot;
  }
  EXPECT_FALSE(IsWindowVisible(omigoto_window));
  EXPECT_FALSE(IsWindowVisible(tezumari_window));
  // Walk the children from the top of the z-order: both banners before every tile.
  int tiles_seen = 0, banners_seen = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == omigoto_window || child == tezumari_window) {
      EXPECT_EQ(0, tiles_seen);
      ++banners_seen;
    } else if (GetDlgCtrlID(child) == ID_PAI_WINDOW) {
      ++tiles_seen;
    }
  }
  EXPECT_EQ(2, banners_seen);
  EXPECT_EQ(TILE_COUNT, tiles_seen);
  EXPECT_TRUE(IsWindowVisible(status_bar));
}

TEST_F(MainWindowTest, SwitchesComeFromTheSettingsWithTheirCheckMarks) {
  open_with("[Pos]\r\nX=0\r\nY=0\r\n[MODE]\r\nmode=1\r\n[SOUND]\r\nsound=0\r\n");
  EXPECT_EQ(1, game_mode);
  EXPECT_EQ(0, sound_on);
  EXPECT_EQ("easy off", switch_marks());
  close_main_window(window);
  // Values the program never writes: the game does what the marks show.
  open_with("[Pos]\r\nX=0\r\nY=0\r\n[MODE]\r\nmode=2\r\n[SOUND]\r\nsound=-1\r\n");
  EXPECT_EQ(1, game_mode);
  EXPECT_EQ(1, sound_on);
  EXPECT_EQ("easy on", switch_marks());
}

TEST_F(MainWindowTest, PaintingCopiesTheOffScreenPicture) {
  open_with(CENTRED_SETTINGS);
  keep_on_top(window);
  SetPixel(back_dc, 30, 200, RGB(10, 200, 30));
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  HDC dc = GetDC(window);
  EXPECT_EQ(RGB(10, 200, 30), GetPixel(dc, 30, 200));
  ReleaseDC(window, dc);
}

// The saved place of the window, used or replaced by the centre, as the window meets
// it through the settings file and the real display size.
TEST_F(MainWindowTest, SavedPlaceIsUsedOrReplacedByTheCentre) {
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  const POINT centre = {(desktop.right - 780) / 2, (desktop.bottom - 580) / 2};
  const int width = GetSystemMetrics(SM_CXSCREEN);
  struct Case { int x, y; POINT expected; };
  for (Case c : {Case{100, 100, {100, 100}}, Case{-50, 100, {-50, 100}}, Case{0, 300, centre}, Case{300, 0, centre},
                 Case{width, 100, centre}, Case{-5000, -5000, centre}}) {
    char text[64];
    snprintf(text, sizeof(text), "[Pos]\r\nX=%d\r\nY=%d\r\n", c.x, c.y);
    open_with(text);
    RECT rect = outer();
    EXPECT_EQ(c.expected.x, rect.left) << text;
    EXPECT_EQ(c.expected.y, rect.top) << text;
    close_main_window(window);
  }
}

TEST(SavedPositionRule, NeedsNonZeroInsideTheDisplayAndOnAMonitor) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(1, saved_position_usable(100, 100, width, height));
  EXPECT_EQ(1, saved_position_usable(-50, 100, width, height));
  EXPECT_EQ(1, saved_position_usable(-700, 100, width, height));    // 80 pixels of caption show
  EXPECT_EQ(1, saved_position_usable(100, -5, width, height));
  EXPECT_EQ(0, saved_position_usable(-760, 100, width, height));    // too little caption to grip
  EXPECT_EQ(0, saved_position_usable(-700, -500, width, height));   // caption above the screen
  EXPECT_EQ(0, saved_position_usable(100, -40, width, height));
  EXPECT_EQ(0, saved_position_usable(0, 100, width, height));
  EXPECT_EQ(0, saved_position_usable(100, 0, width, height));
  EXPECT_EQ(0, saved_position_usable(width, 100, width, height));
  EXPECT_EQ(0, saved_position_usable(100, height, width, height));
  EXPECT_EQ(0, saved_position_usable(-781, 100, width, height));    // just left of the screen
  EXPECT_EQ(0, saved_position_usable(-3000, -3000, width, height));
}

}  // namespace

// Code built as the program is, writing past an array on its stack: the run must end
// at the function's return, before the overwritten return address is used.
volatile int overrun_length = 64;

__attribute__((noinline)) int write_past_array() {
  char buffer[8];
  char* bytes = buffer;
  asm volatile("" : "+r"(bytes));   // or the compiler, knowing the array's end, stops the loop there
  for (int i = 0; i < overrun_length; ++i) bytes[i] = 'x';
  return bytes[0];
}

// The import slot (in a writable section) through which the guard's set-up reaches the
// system's random source.
extern "C" BOOLEAN(WINAPI* random_source_slot)(PVOID, ULONG) __asm__("__imp__SystemFunction036@8");
extern "C" void stack_guard_setup();

// A random source that fails, and leaves in the buffer what it likes.
BOOLEAN WINAPI failing_source(PVOID buffer, ULONG size) {
  std::memset(buffer, 0x5a, size);
  return FALSE;
}

// The guard the set-up makes when the system has no random value for it. The guard in
// use is back before any function that checks it returns.
__attribute__((no_stack_protector)) unsigned guard_without_random_source() {
  const auto source = random_source_slot;
  void* const guard = __stack_chk_guard;
  random_source_slot = failing_source;
  stack_guard_setup();
  const unsigned made = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(__stack_chk_guard));
  __stack_chk_guard = guard;
  random_source_slot = source;
  return made;
}

// The guard is no value an attacker knows, whether the system gave a random one or
// the set-up had to make its own, which differs from one moment to the next.
TEST(StackGuard, IsNoKnownValueAndAnArrayOverrunEndsTheRunWithTheBrokenGuardCode) {
  const unsigned made = guard_without_random_source();
  Sleep(1);
  const unsigned made_later = guard_without_random_source();
  EXPECT_NE(made, made_later);
  for (UINT_PTR guard : {reinterpret_cast<UINT_PTR>(__stack_chk_guard), UINT_PTR{made}, UINT_PTR{made_later}}) {
    EXPECT_NE(STACK_GUARD_START, guard);
    EXPECT_NE(0u, guard);
  }
  testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(write_past_array(), testing::ExitedWithCode(static_cast<int>(STATUS_STACK_BUFFER_OVERRUN)), "");
}
