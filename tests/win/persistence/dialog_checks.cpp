// Opening the program's dialogs as the game does and checking them as a player sees them.
#include "dialog_checks.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>

#include "app_identity.h"
#include "box_catcher.h"

INT_PTR run_dialog(int dialog_id, DLGPROC procedure, LPARAM parameter) {
  return DialogBoxParamW(app_instance, MAKEINTRESOURCEW(dialog_id), nullptr, procedure, parameter);
}

bool is_open(HWND dialog) { return IsWindow(dialog) && IsWindowVisible(dialog); }

RECT control_rect(HWND dialog, int control_id) {
  RECT rect = {};
  HWND control = GetDlgItem(dialog, control_id);
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Place and size are converted apart, as the dialog manager places its controls.
RECT units_rect(HWND dialog, int x, int y, int width, int height) {
  RECT rect = {x, y, width, height};
  MapDialogRect(dialog, &rect);
  return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

void expect_control_at(HWND dialog, int control_id, int x, int y, int width, int height) {
  SCOPED_TRACE(control_id);
  ASSERT_NE(nullptr, GetDlgItem(dialog, control_id));
  const RECT actual = control_rect(dialog, control_id);
  const RECT expected = units_rect(dialog, x, y, width, height);
  EXPECT_EQ(expected.left, actual.left);
  EXPECT_EQ(expected.top, actual.top);
  EXPECT_EQ(expected.right, actual.right);
  EXPECT_EQ(expected.bottom, actual.bottom);
}

HWND child_at(HWND dialog, int x, int y) {
  const RECT place = units_rect(dialog, x, y, 1, 1);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    if (rect.left == place.left && rect.top == place.top) return child;
  }
  return nullptr;
}

void expect_dialog_frame(HWND dialog, int width, int height, const char* caption,
                         const char* font_face, int font_points) {
  EXPECT_EQ(caption, window_text(dialog));
  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_SYSMENU) << "no system menu, no close box";
  EXPECT_FALSE(style & WS_THICKFRAME);
  RECT client;
  GetClientRect(dialog, &client);
  const RECT expected = units_rect(dialog, 0, 0, width, height);
  EXPECT_EQ(expected.right, client.right);
  EXPECT_EQ(expected.bottom, client.bottom);

  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
  char face[LF_FACESIZE * 2] = "";
  WideCharToMultiByte(932, 0, font.lfFaceName, -1, face, sizeof face, nullptr, nullptr);
  EXPECT_STREQ(font_face, face);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(-MulDiv(font_points, GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
  ReleaseDC(nullptr, screen);

  // Centred on the desktop, whose left and top count as 0.
  RECT desktop, frame;
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(dialog, &frame);
  EXPECT_EQ((desktop.right - (frame.right - frame.left)) / 2, frame.left);
  EXPECT_EQ((desktop.bottom - (frame.bottom - frame.top)) / 2, frame.top);
}

std::vector<int> tab_order(HWND dialog) {
  std::vector<int> ids;
  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  for (HWND item = first; item != nullptr && ids.size() < 100;) {
    ids.push_back(GetDlgCtrlID(item));
    item = GetNextDlgTabItem(dialog, item, FALSE);
    if (item == first) break;
  }
  return ids;
}

bool is_read_only(HWND edit) { return (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0; }

void expect_stays_open_on_escape_and_close(HWND dialog) {
  press_dialog_key(dialog, VK_ESCAPE);
  EXPECT_TRUE(is_open(dialog)) << "Esc closed it";
  press_dialog_key(dialog, VK_F4, true);
  EXPECT_TRUE(is_open(dialog)) << "Alt+F4 closed it";
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  pump_messages(dialog);
  EXPECT_TRUE(is_open(dialog)) << "a close request closed it";
}

COLORREF pixel_in(HWND control, int x, int y) {
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(control);
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(control, dc);
  return color;
}

RankingTable default_ranking() {
  static const char* const names[RANKING_SIZE] = {"Alice",   "Betty",  "Chris", "Dolly", "Ellie",
                                                  "Frances", "Gertie", "Helen", "Irene", "Jenny"};
  RankingTable table;
  for (int row = 0; row < RANKING_SIZE; ++row) {
    strcpy(table.names[row], names[row]);
    table.years[row] = 2002;
    table.months[row] = 1;
    table.days[row] = 1;
    table.seconds[row] = 180 + 60 * row;
  }
  return table;
}

void expect_same_ranking(const RankingTable& expected, const RankingTable& actual) {
  for (int row = 0; row < RANKING_SIZE; ++row) {
    SCOPED_TRACE(row);
    EXPECT_STREQ(expected.names[row], actual.names[row]);
    EXPECT_EQ(expected.years[row], actual.years[row]);
    EXPECT_EQ(expected.months[row], actual.months[row]);
    EXPECT_EQ(expected.days[row], actual.days[row]);
    EXPECT_EQ(expected.seconds[row], actual.seconds[row]);
  }
}
