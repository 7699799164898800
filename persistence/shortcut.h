// The first-run shortcut dialog and the writer of shell link files.
#pragma once
#include <windows.h>

extern int shortcut_startup, shortcut_desktop, shortcut_startmenu;
// Runs dialog IDD_SHORTCUT (318) from the instance's resources, modally, owned by
// owner; the links it makes are named after title. Returns the dialog's result (1).
INT_PTR shortcut_dialog_run(HINSTANCE instance, HWND owner, const char* title);
int make_program_shortcut(HWND owner, const char* title, int folder_id);
int make_shortcut(const WCHAR* target, const char* link_name, HWND owner, int folder_id);
// The three choices into the file of that name beside the program; 1 when all were written.
int shortcut_choices_save(const char* file_name);
