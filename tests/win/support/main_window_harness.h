// Creating the real main window in a test, as WinMain does, and taking it down again.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "box_catcher.h"   // pump_messages

// Registers the classes, creates the main window (its creation sequence runs),
// places it and shows it normally. With no settings file the first-run dialog opens.
// created, if given, runs before any queued message or timer of the window is handled.
HWND open_main_window(const std::function<void(HWND)>& created = {});
// Keeps the window above other programs' windows (tests run side by side on one
// display), so that what a test reads from the screen is the window's own.
void keep_on_top(HWND window);
// Destroys it (its shutdown runs), drops the quit message and resets every room's
// state, so that the next test starts from scratch.
void close_main_window(HWND window);

// The check marks of the mode and sound menus as the player reads them: "normal on",
// "easy off", ...; a pair with no mark or both marked shows as "?".
std::string switch_marks();

// The settings file beside the test program, and its path as the program's code page
// shows it.
std::wstring settings_file();
std::string settings_path();
std::string read_settings_text();
// Any file's bytes as they are (NULs included), and a file made to hold bytes.
std::string file_bytes(const std::wstring& path);
void put_file_bytes(const std::wstring& path, const std::string& bytes);
void write_settings_text(const char* text);
void remove_settings();
// The names in the test program's folder, sorted: what a run leaves there.
std::vector<std::string> files_beside_program();
