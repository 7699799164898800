// The About box: the program's icon, title, version and credit line.
#pragma once
#include <windows.h>

INT_PTR CALLBACK about_dialog_proc(HWND, UINT, WPARAM, LPARAM);     // dialog IDD_ABOUT (253)
