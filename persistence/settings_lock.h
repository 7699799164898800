// Copies of the game that use one settings file take turns at saving it.
#pragma once
#include <windows.h>

// Waits for the turn of the file at path: a handle to give back with
// settings_lock_release, or null when the turn did not come within a few seconds.
HANDLE settings_lock_take(const wchar_t* path);
void settings_lock_release(HANDLE lock);
