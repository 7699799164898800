// Replacing and taking back the game on the board: new game, restart, undo, hint.
#pragma once
#include <windows.h>

void new_game(HWND main);
void restart_game();
void undo_command();
// Starts the hint display; a running game pays ten seconds for it.
void hint_command(HWND main);
