// Telling the player, once at start, that the settings file cannot be written.
#pragma once
#include <windows.h>

// Private to the main window: the notice is due.
constexpr UINT WM_SETTINGS_NOTICE = WM_APP + 1;

// At the end of the main window's creation: when the settings file cannot be
// written, the notice is posted, so that it comes once the window is on the screen
// and after the first-run offer has closed.
void ask_for_settings_notice(HWND window);
// The one box, owned by the main window, naming the file.
void show_settings_notice(HWND window);
