// Copies of the game that use one settings file take turns at saving it.
#pragma once
#include <windows.h>
#include "writable_file.h"

// The file whose holder has the turn, beside the settings file.
constexpr const char* SETTINGS_LOCK_NAME = "kotopai.lck";

// How long a holder may leave the file and its copy unchanged before the turn is
// given up on: 10 s.
extern DWORD settings_lock_quiet_ms;

// Waits for the turn of the settings file at path, the thread's windows answering
// meanwhile (turn_wait.h): a handle to give back with settings_lock_release, or null
// with what kept it in fault (SAVE_NO_ROOM, SAVE_LOCK_HELD or SAVE_LOCK_IN_THE_WAY).
// Null with SAVE_OK too when done became true while it waited.
HANDLE settings_lock_take(const wchar_t* path, FileFault* fault, const bool* done = nullptr);
void settings_lock_release(HANDLE lock);

// What stands at the turn's file of the settings file at path as things are now:
// another program holding it (SAVE_LOCK_HELD), a folder with files in it
// (SAVE_LOCK_IN_THE_WAY), or nothing (SAVE_OK). The turn is not taken; an empty
// folder of its name is cleared, as a save would clear it.
FileFault settings_lock_fault(const wchar_t* path);

// What an open of the turn's file that failed with open_error means, with what a look
// at its name then found: its attributes, or INVALID_FILE_ATTRIBUTES and the look's error.
enum LockAnswer { LOCK_TRY_AGAIN, LOCK_NO_ROOM, LOCK_FOLDER };
LockAnswer settings_lock_answer(DWORD open_error, DWORD attributes, DWORD look_error);
