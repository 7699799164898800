// The first-run shortcut dialog and the writer of shell link files.
#pragma once
#include <windows.h>

extern int shortcut_startup, shortcut_desktop, shortcut_startmenu;
INT_PTR CALLBACK shortcut_dialog_proc(HWND, UINT, WPARAM, LPARAM); // dialog IDD_SHORTCUT (318)
int make_program_shortcut(HWND owner, const char* title, int folder_id);
int make_shortcut(const char* target, const char* link_name, HWND owner, int folder_id);
void shortcut_choices_save(const char* file_name);
