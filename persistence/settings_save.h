// Saving to the settings file: each save replaces the file whole, so at every moment
// it holds all it held before the save or all it holds after, and copies of the game
// that share the file take turns.
#pragma once
#include <functional>
#include "writable_file.h"

// The copy a save writes before it takes the file's place, beside it. As long as the
// file's own name, so wherever the one's path fits, the other's does.
constexpr const char* SETTINGS_COPY_NAME = "kotopai.new";

// Saves lost in this run: each left the file as it was; and what kept the last one.
extern int settings_saves_lost;
extern FileFault settings_save_fault;

// Reads and writes, through the ini_ functions handed the name it is given, the
// file's text held in memory; it answers 1 when every key it wrote was written. The
// text then takes the file's place, unless it is as it was. 1 when the save was kept;
// 0 when it was lost (what is not called when the file could not be read), and the
// file is as it was.
using SettingsWrite = std::function<int(const char* file_name)>;
int settings_save(const SettingsWrite& write);
// The session ends during a wait for the turn: the saves that wait are made now.
void settings_save_waiting();
// Where a save was cut off between the file's delete and the copy's rename (a power
// cut on FAT or exFAT), the copy, written whole, becomes the file.
void settings_recover();
