// The ranking dialog: shows the table, and after a good game takes the new entry's name.
#include "ranking.h"

#include "center_window.h"
#include "dbcs_text.h"
#include "resource.h"
#include "settings.h"

// Each open dialog keeps its own, in its window data: a dialog opened while another
// is open must not take over the other's entry.
struct RankingDialog {
  int time;  // the seconds it was opened with; 0 is view mode
  int row;   // entry mode: the row the new time took, or RANKING_NO_ROW
};

static RankingDialog* state_of(HWND dialog) {
  return reinterpret_cast<RankingDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

constexpr const char* DEFAULT_PLAYER = "Player1";

void ranking_fill(HWND dialog, const RankingTable* table) {
  char text[40];
  for (int row = 0; row < RANKING_SIZE; ++row) {
    SetDlgItemTextA(dialog, IDC_RANK_NAME_FIRST + row, table->names[row]);
    ranking_format_date(table, row, text);
    SetDlgItemTextA(dialog, IDC_RANK_DATE_FIRST + row, text);
    ranking_format_time(table->seconds[row], text);
    SetDlgItemTextA(dialog, IDC_RANK_TIME_FIRST + row, text);
  }
}

static void open_name_box(HWND dialog, int row) {
  HWND box = GetDlgItem(dialog, IDC_RANK_NAME_FIRST + row);
  SendMessageA(box, EM_SETREADONLY, FALSE, 0);
  SendMessageA(box, EM_SETSEL, 0, -1);
}

// The whole table reaches the file before the player types: the new entry is kept
// under the last player's name even if the name is never confirmed.
int ranking_enter(HWND dialog, int seconds) {
  char player[RANKING_NAME_SIZE];
  ini_get_string("PLAYER", "NAME", DEFAULT_PLAYER, player, sizeof player, SETTINGS_FILE_NAME);
  RankingTable table;
  ranking_load(&table);
  const int row = ranking_insert(&table, seconds, player, ranking_today());
  if (row != RANKING_NO_ROW) open_name_box(dialog, row);
  ranking_fill(dialog, &table);
  // Setting a box's text drops its selection; select the offered name again so the
  // player sees it will be replaced by what is typed.
  if (row != RANKING_NO_ROW) SendDlgItemMessageA(dialog, IDC_RANK_NAME_FIRST + row, EM_SETSEL, 0, -1);
  ranking_save(&table);
  return row;
}

// Read through a large buffer and cut here, so a long name loses whole characters only.
void ranking_store_name(HWND dialog, int row) {
  if (row < 0 || row >= RANKING_SIZE) return;
  char typed[1024], name[RANKING_NAME_SIZE];
  GetDlgItemTextA(dialog, IDC_RANK_NAME_FIRST + row, typed, sizeof typed);
  dbcs_copy(name, sizeof name, typed);
  ini_put_string("PLAYER", "NAME", name, SETTINGS_FILE_NAME);
  char section[16];
  ranking_section(row, section);
  ini_put_string(section, "NAME", name, SETTINGS_FILE_NAME);
}

static INT_PTR on_init(HWND dialog, LPARAM seconds) {
  center_window(dialog);
  RankingDialog* state = new RankingDialog{static_cast<int>(seconds), RANKING_NO_ROW};
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  if (state->time == 0) {
    RankingTable table;
    ranking_load(&table);
    ranking_fill(dialog, &table);
  } else {
    state->row = ranking_enter(dialog, state->time);
  }
  return TRUE;
}

static INT_PTR on_ok(HWND dialog) {
  const RankingDialog* state = state_of(dialog);
  if (state && state->time != 0) ranking_store_name(dialog, state->row);
  EndDialog(dialog, 1);
  return TRUE;
}

static INT_PTR on_destroy(HWND dialog) {
  delete state_of(dialog);
  SetWindowLongPtrA(dialog, DWLP_USER, 0);
  return FALSE;
}

// Only the new entry's name box is editable, and only editable boxes ask with this message.
static INT_PTR on_edit_color(HDC dc) {
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

static INT_PTR on_command(HWND dialog, int id) {
  if (id == IDOK) return on_ok(dialog);
  if (id == IDCANCEL) return TRUE;  // Esc and the close keystroke leave it open
  return FALSE;
}

INT_PTR CALLBACK ranking_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: return on_init(dialog, lparam);
    case WM_CTLCOLOREDIT: return on_edit_color(reinterpret_cast<HDC>(wparam));
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam));
    case WM_NCDESTROY: return on_destroy(dialog);
  }
  return FALSE;
}
