// The program's dialogs and message boxes, one at a time, all on the main window's thread.
#pragma once
#include <windows.h>

// 1 while one of the program's dialogs or boxes is open (or about to open).
int modal_box_open();

// The one place for a box: taking it gives 1 when it was free, 0 when another box
// holds it. Whoever took it gives it back.
int take_modal_place();
void give_back_modal_place();

// A modal dialog of the program's resources, owned by owner: its result, or -1
// without showing anything while another box is open.
INT_PTR show_modal_dialog(HWND owner, int resource, DLGPROC procedure, LPARAM parameter);
// A box with one OK button; nothing is shown while another box is open.
void show_modal_message(HWND owner, const char* text, const char* caption);
// The same for a text that may hold letters outside the program's code page.
void show_modal_message_wide(HWND owner, const wchar_t* text, const wchar_t* caption);
// The same for a notice that names a path (or an address) of any length: its first
// line, the path on a line of its own, then the rest after a blank line.
void show_path_message(HWND owner, const wchar_t* first, const wchar_t* path, const wchar_t* rest,
                       const wchar_t* caption);
