// Telling the player, once in a run, that the settings file cannot be written: at
// start, or when a save is lost.
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
// 1 once the player was told, whatever told them: never a second time in a run.
extern int settings_told;

// At the end of the main window's creation, after the first-run offer: a writable
// file ends the matter at once; else the later checks start.
void ask_for_settings_notice(HWND window);
// One later check, at the main window's timer. Still not writable at the last, or
// with a save lost, the notice comes: over the shown main window, since timers fire
// only once the message loop runs, and never under another box.
void settings_check_tick(HWND window);
// After a save that may have been lost: the notice comes at the next timer tick
// with no box open.
void tell_lost_save(HWND window);
// The same at the close, where no timer fires any more: the notice comes now.
void tell_lost_save_at_close();
