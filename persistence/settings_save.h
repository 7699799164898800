// Saving to the settings file: each save replaces the file whole, so at every moment
// it holds all it held before the save or all it holds after, and copies of the game
// that share the file take turns.
#pragma once
#include <functional>

// The copy a save writes before it takes the file's place, beside it. As long as the
// file's own name, so wherever the one's path fits, the other's does.
constexpr const char* SETTINGS_COPY_NAME = "kotopai.new";

// Saves lost in this run: each left the file as it was.
extern int settings_saves_lost;

// Reads and writes what is handed the name of a copy of the settings file, through
// the ini_ functions; it answers 1 when every key it wrote was written. The copy then
// takes the file's place. 1 when the save was kept; 0 when it was lost (what is not
// called when no copy could be made), and the file is as it was.
using SettingsWrite = std::function<int(const char* file_name)>;
int settings_save(const SettingsWrite& write);
