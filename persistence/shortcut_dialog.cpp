// The first-run shortcut dialog: three boxes, links made and choices recorded on OK.
#include "shortcut.h"

#include <shlobj.h>
#include <cstdio>

#include "center_window.h"
#include "resource.h"
#include "settings.h"
#include "settings_save.h"

int shortcut_startup = 0, shortcut_desktop = 0, shortcut_startmenu = 0;

int shortcut_choices_save(const char* file_name) {
  char text[16];
  sprintf(text, "%d", shortcut_startup);
  int written = ini_put_string("ShellLink", "STARTUP", text, file_name);
  sprintf(text, "%d", shortcut_desktop);
  written &= ini_put_string("ShellLink", "DESKTOP", text, file_name);
  sprintf(text, "%d", shortcut_startmenu);
  written &= ini_put_string("ShellLink", "STARTMENU", text, file_name);
  return written;
}

// The links' title rides with the dialog, from its creation parameter.
static const char* link_title(HWND dialog) {
  return reinterpret_cast<const char*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

static INT_PTR on_init(HWND dialog, LPARAM title) {
  SetWindowLongPtrW(dialog, DWLP_USER, title);
  center_window(dialog);
  CheckDlgButton(dialog, IDC_SHORTCUT_STARTUP, shortcut_startup ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_SHORTCUT_DESKTOP, shortcut_desktop ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_SHORTCUT_STARTMENU, shortcut_startmenu ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

// A link that cannot be made is skipped silently; the choice is still recorded as ticked.
static int take_choice(HWND dialog, int box, int folder_id) {
  if (IsDlgButtonChecked(dialog, box) != BST_CHECKED) return 0;
  const char* title = link_title(dialog);
  if (title) make_program_shortcut(GetWindow(dialog, GW_OWNER), title, folder_id);
  return 1;
}

static INT_PTR on_ok(HWND dialog) {
  shortcut_startup = take_choice(dialog, IDC_SHORTCUT_STARTUP, CSIDL_STARTUP);
  shortcut_desktop = take_choice(dialog, IDC_SHORTCUT_DESKTOP, CSIDL_DESKTOP);
  shortcut_startmenu = take_choice(dialog, IDC_SHORTCUT_STARTMENU, CSIDL_PROGRAMS);
  settings_save(shortcut_choices_save);
  EndDialog(dialog, 1);
  return TRUE;
}

static INT_PTR on_cancel(HWND dialog) {
  EndDialog(dialog, 1);
  return TRUE;
}

static INT_PTR on_command(HWND dialog, int id) {
  if (id == IDOK) return on_ok(dialog);
  if (id == IDCANCEL) return on_cancel(dialog);
  return FALSE;
}

static INT_PTR CALLBACK shortcut_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: return on_init(dialog, lparam);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam));
  }
  return FALSE;
}

INT_PTR shortcut_dialog_run(HINSTANCE instance, HWND owner, const char* title) {
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SHORTCUT), owner, shortcut_dialog_proc,
                         reinterpret_cast<LPARAM>(title));
}
