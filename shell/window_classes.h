// Registration of the program's four window classes.
#pragma once
#include <windows.h>

constexpr const char* MAIN_CLASS = "Parent Window";
constexpr const char* OMIGOTO_CLASS = "Omigoto Window";
constexpr const char* TEZUMARI_CLASS = "Tezumari Window";
constexpr const char* PAI_CLASS = "Pai Window";

// Registers "Parent Window", "Omigoto Window", "Tezumari Window" and "Pai Window",
// in that order. A class that is already registered stays as it is.
void register_window_classes(HINSTANCE instance);
