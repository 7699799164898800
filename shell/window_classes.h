// Registration of the program's four window classes.
#pragma once
#include <windows.h>

constexpr const wchar_t* MAIN_CLASS = L"Parent Window";
constexpr const wchar_t* OMIGOTO_CLASS = L"Omigoto Window";
constexpr const wchar_t* TEZUMARI_CLASS = L"Tezumari Window";
constexpr const wchar_t* PAI_CLASS = L"Pai Window";

// Registers "Parent Window", "Omigoto Window", "Tezumari Window" and "Pai Window",
// in that order. A class that is already registered stays as it is.
void register_window_classes(HINSTANCE instance);
