// The ranking dialog: shows the table, and after a good game takes the new entry's name.
#include "ranking.h"

#include "center_window.h"
#include "name_font.h"
#include "ranking_entry.h"
#include "resource.h"
#include "settings.h"
#include "wide_text.h"

// Each open dialog keeps its own, in its window data: a dialog opened while another
// is open must not take over the other's entry.
struct RankingDialog {
  int time;            // the seconds it was opened with; 0 is view mode
  RankingEntry entry;  // entry mode: the new time as written, its box on entry.row
  HFONT name_fonts[RANKING_SIZE];   // made for names too long for the dialog's font
};

static RankingDialog* state_of(HWND dialog) {
  return reinterpret_cast<RankingDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void ranking_fill(HWND dialog, const RankingTable* table) {
  char text[40];
  for (int row = 0; row < RANKING_SIZE; ++row) {
    set_item_text_sjis(dialog, IDC_RANK_NAME_FIRST + row, table->names[row]);
    ranking_format_date(table, row, text);
    set_item_text_sjis(dialog, IDC_RANK_DATE_FIRST + row, text);
    ranking_format_time(table->seconds[row], text);
    set_item_text_sjis(dialog, IDC_RANK_TIME_FIRST + row, text);
  }
}

static void open_name_box(HWND dialog, int row) {
  HWND box = GetDlgItem(dialog, IDC_RANK_NAME_FIRST + row);
  SendMessageW(box, EM_SETREADONLY, FALSE, 0);
  SendMessageW(box, EM_SETSEL, 0, -1);
}

static void show_new_entry(HWND dialog, RankingDialog* state) {
  RankingTable table;
  state->entry = ranking_enter(state->time, &table);
  const int row = state->entry.row;
  if (row != RANKING_NO_ROW) open_name_box(dialog, row);
  ranking_fill(dialog, &table);
  // Setting a box's text drops its selection; select the offered name again so the
  // player sees it will be replaced by what is typed.
  if (row != RANKING_NO_ROW) SendDlgItemMessageW(dialog, IDC_RANK_NAME_FIRST + row, EM_SETSEL, 0, -1);
}

static bool takes_a_name(const RankingDialog* state) {
  return state && state->time != 0 && state->entry.row != RANKING_NO_ROW;
}

// Read whole and cut here: the box counts characters, the file keeps 31 bytes of
// Shift-JIS, so a long name loses whole characters only. Returns how many typed
// characters Shift-JIS cannot hold; they are left out of name and listed in refused.
static int read_typed_name(HWND dialog, const RankingDialog* state, char* name, wchar_t* refused,
                           int refused_size) {
  wchar_t typed[1024];
  GetDlgItemTextW(dialog, IDC_RANK_NAME_FIRST + state->entry.row, typed, 1024);
  return sjis_from_typed(typed, name, RANKING_NAME_SIZE, refused, refused_size);
}

static void keep_typed_name(HWND dialog) {
  RankingDialog* state = state_of(dialog);
  if (!takes_a_name(state)) return;
  char name[RANKING_NAME_SIZE];
  wchar_t refused[64];
  read_typed_name(dialog, state, name, refused, 64);
  ranking_keep_name(&state->entry, name);
}

// A name with letters the file cannot hold (an emoji, Hangul) would be kept as "?"
// and lost. OK says which letters cannot be kept and leaves the name without them in
// the box, so the player sees what the next OK keeps, or types another.
static bool name_refused(HWND dialog) {
  RankingDialog* state = state_of(dialog);
  if (!takes_a_name(state)) return false;
  char name[RANKING_NAME_SIZE];
  wchar_t refused[64];
  if (read_typed_name(dialog, state, name, refused, 64) == 0) return false;
  HWND box = GetDlgItem(dialog, IDC_RANK_NAME_FIRST + state->entry.row);
  set_window_text_sjis(box, name);
  wchar_t text[160], caption[16];
  wide_copy_from_sjis("次の文字は名前に使えないため、取り除きました。\n", text, 96);
  lstrcatW(text, refused);
  wide_copy_from_sjis("ランキング", caption, 16);
  MessageBoxW(dialog, text, caption, MB_OK | MB_ICONINFORMATION);
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  return true;
}

static INT_PTR on_init(HWND dialog, LPARAM seconds) {
  center_window(dialog);
  RankingDialog* state = new RankingDialog{static_cast<int>(seconds), {RANKING_NO_ROW, "", {}, 0}, {}};
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
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
  if (name_refused(dialog)) return TRUE;
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
  RankingDialog* state = state_of(dialog);
  if (state)
    for (HFONT font : state->name_fonts)
      if (font) DeleteObject(font);
  delete state;
  SetWindowLongPtrW(dialog, DWLP_USER, 0);
  return FALSE;
}

// Only the new entry's name box is editable, and only editable boxes ask with this message.
static INT_PTR on_edit_color(HDC dc) {
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

// Every change of a name's text, filled in or typed, sizes its letters to show it whole.
static INT_PTR on_name_change(HWND dialog, int id) {
  RankingDialog* state = state_of(dialog);
  if (state) fit_name_font(GetDlgItem(dialog, id), &state->name_fonts[id - IDC_RANK_NAME_FIRST]);
  return TRUE;
}

// Moved to a monitor of another scale, Windows gives the dialog and the boxes in its
// font their new size, but not the fonts made here: they are made again once it has.
constexpr UINT WM_REFIT_NAMES = WM_APP + 1;

static INT_PTR on_dpi_changed(HWND dialog) {
  PostMessageW(dialog, WM_REFIT_NAMES, 0, 0);
  return FALSE;
}

static INT_PTR on_refit_names(HWND dialog) {
  for (int row = 0; row < RANKING_SIZE; ++row) on_name_change(dialog, IDC_RANK_NAME_FIRST + row);
  return TRUE;
}

static INT_PTR on_command(HWND dialog, int id, int code) {
  if (code == EN_CHANGE && id >= IDC_RANK_NAME_FIRST && id < IDC_RANK_NAME_FIRST + RANKING_SIZE)
    return on_name_change(dialog, id);
  if (id == IDOK) return on_ok(dialog);
  if (id == IDCANCEL) return TRUE;  // Esc and the close keystroke leave it open
  return FALSE;
}

INT_PTR CALLBACK ranking_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: return on_init(dialog, lparam);
    case WM_CTLCOLOREDIT: return on_edit_color(reinterpret_cast<HDC>(wparam));
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam), HIWORD(wparam));
    case WM_ENDSESSION: return on_end_session(dialog, wparam);
    case WM_DPICHANGED: return on_dpi_changed(dialog);
    case WM_REFIT_NAMES: return on_refit_names(dialog);
    case WM_NCDESTROY: return on_destroy(dialog);
  }
  return FALSE;
}
