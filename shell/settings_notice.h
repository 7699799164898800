// Telling the player, once at start, that the settings file cannot be written.
#pragma once
#include <windows.h>

// The main window's timer of the later checks.
constexpr UINT_PTR TIMER_SETTINGS_CHECK = 4;
constexpr UINT SETTINGS_CHECK_PERIOD_MS = 100;
// The check at creation and five more, one a period: about half a second in all.
constexpr int SETTINGS_CHECKS = 6;

// Checks still to come before the player is told; 0 once the file was found
// writable or the notice was due.
extern int settings_checks_left;

// At the end of the main window's creation, after the first-run offer: a writable
// file ends the matter at once; else the later checks start.
void ask_for_settings_notice(HWND window);
// One later check, at the main window's timer. Still not writable at the last, the
// notice comes: over the shown main window, since timers fire only once the message
// loop runs, and never under another box.
void settings_check_tick(HWND window);
