// Playing the real main window from a test as a player would, and the settings
// file beside the test program as raw bytes.
#pragma once
#include <windows.h>
#include <string>

// Gives slot b a tile of the same face as slot a's (swapping tiles within the deal,
// so the deal stays a permutation) and repaints both.
void make_partner(int a, int b);
// Two picks and the two ticks of the removal delay.
void take_pair(HWND main, int a, int b);
// Deals a new easy game and plays it to the end in the order it was built; the
// elapsed time is set to seconds before the last pair. Returns the pairs taken.
int play_easy_game(HWND main, int seconds);

// The whole file, bytes as given (NULs included); the profile functions' cache is let go first.
void write_settings_bytes(const std::string& bytes);
std::string settings_bytes();
