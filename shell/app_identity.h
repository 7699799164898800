// Who the program is: its module instance, its title and where its help and page lie.
#pragma once
#include <windows.h>

extern HINSTANCE app_instance;        // set by WinMain (tests: the test program's own)
extern const char* const app_title;   // "Kotopai": caption and shortcut file name
extern const char* const HELP_FILE_NAME;
// The page beside the program that says what the game is, who made it and its version.
extern const char* const HOMEPAGE_FILE_NAME;
