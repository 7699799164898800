// Copies of the game that use one settings file take turns at saving it.
#pragma once
#include <windows.h>

// Waits for the turn of the settings file at path: a handle to give back with
// settings_lock_release, or null when the folder takes no file or the copy holding
// the turn has done nothing with the file for some seconds.
HANDLE settings_lock_take(const wchar_t* path);
void settings_lock_release(HANDLE lock);
