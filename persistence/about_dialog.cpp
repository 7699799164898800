// The About box: the program's icon, title, version and credit line.
#include "about_dialog.h"

#include "center_window.h"
#include "program_icons.h"
#include "resource.h"

// The icon the dialog template loads is the system's 96-DPI size; the box shows the
// picture made for its own DPI instead, and gives it back when it closes.
static INT_PTR on_init(HWND dialog) {
  HICON icon = program_icon(dialog, SM_CXICON);
  if (icon) SendDlgItemMessageA(dialog, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  center_window(dialog);
  return TRUE;
}

static INT_PTR on_destroy(HWND dialog) {
  HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, IDC_ABOUT_ICON, STM_GETICON, 0, 0));
  if (icon) DestroyIcon(icon);
  return FALSE;
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
    case WM_DESTROY: return on_destroy(dialog);
  }
  return FALSE;
}
