// The ranking dialog: shows the table, and after a good game takes the new entry's name.
#include "ranking.h"

#include "center_window.h"
#include "dbcs_text.h"
#include "ranking_entry.h"
#include "resource.h"
#include "settings.h"

// Each open dialog keeps its own, in its window data: a dialog opened while another
// is open must not take over the other's entry.
struct RankingDialog {
  int time;            // the seconds it was opened with; 0 is view mode
  RankingEntry entry;  // entry mode: the new time as written, its box on entry.row
};

static RankingDialog* state_of(HWND dialog) {
  return reinterpret_cast<RankingDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

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

static void show_new_entry(HWND dialog, RankingDialog* state) {
  RankingTable table;
  state->entry = ranking_enter(state->time, &table);
  const int row = state->entry.row;
  if (row != RANKING_NO_ROW) open_name_box(dialog, row);
  ranking_fill(dialog, &table);
  // Setting a box's text drops its selection; select the offered name again so the
  // player sees it will be replaced by what is typed.
  if (row != RANKING_NO_ROW) SendDlgItemMessageA(dialog, IDC_RANK_NAME_FIRST + row, EM_SETSEL, 0, -1);
}

// Read through a large buffer and cut here, so a long name loses whole characters only.
static void keep_typed_name(HWND dialog) {
  RankingDialog* state = state_of(dialog);
  if (!state || state->time == 0 || state->entry.row == RANKING_NO_ROW) return;
  char typed[1024], name[RANKING_NAME_SIZE];
  GetDlgItemTextA(dialog, IDC_RANK_NAME_FIRST + state->entry.row, typed, sizeof typed);
  dbcs_copy(name, sizeof name, typed);
  ranking_keep_name(&state->entry, name);
}

static INT_PTR on_init(HWND dialog, LPARAM seconds) {
  center_window(dialog);
  RankingDialog* state = new RankingDialog{static_cast<int>(seconds), {RANKING_NO_ROW, "", {}, 0}};
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  if (state->time == 0) {
    RankingTable table;
    ranking_read(&table);
    ranking_fill(dialog, &table);
  } else {
    show_new_entry(dialog, state);
  }
  return TRUE;
}

static INT_PTR on_ok(HWND dialog) {
  keep_typed_name(dialog);
  EndDialog(dialog, 1);
  return TRUE;
}

// The process may be ended at any moment after this, with the dialog still open:
// the name typed so far is kept as OK would keep it, and nothing is shown.
static INT_PTR on_end_session(HWND dialog, WPARAM ending) {
  if (ending) keep_typed_name(dialog);
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
    case WM_ENDSESSION: return on_end_session(dialog, wparam);
    case WM_NCDESTROY: return on_destroy(dialog);
  }
  return FALSE;
}
