// The commands of the menu, the keys and the right button.
#pragma once
#include <windows.h>

// The first step of every key and command: no hint running, no banner shown.
void stop_hint_and_popups();

// Both settle a pair still on show before their first step, and take nothing while
// one of the program's boxes is open.
void on_command(HWND main, int id);
void on_key(HWND main, int virtual_key);
