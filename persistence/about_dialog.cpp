// The About box: the program's icon, title, version and credit line.
#include "about_dialog.h"

#include "center_window.h"

static INT_PTR on_init(HWND dialog) {
  center_window(dialog);
  return TRUE;
}

static INT_PTR on_ok(HWND dialog) {
  EndDialog(dialog, 1);
  return TRUE;
}

static INT_PTR on_command(HWND dialog, int id) {
  if (id == IDOK) return on_ok(dialog);
  if (id == IDCANCEL) return TRUE;
  return FALSE;
}

// Only OK or Enter closes the box; Esc and the close keystroke are swallowed.
INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: return on_init(dialog);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam));
  }
  return FALSE;
}
