// The program's texts are Shift-JIS; Windows shows and takes them in UTF-16. Every
// text on its way to or from the screen, or a settings file saved in UTF-16, passes
// here, read as code page 932 whatever the system's own code page is.
#pragma once
#include <windows.h>
#include <string>

// The UTF-16 form of a Shift-JIS text, on the heap; free it with wide_free. Never
// null: should memory run out, an empty text that wide_free leaves alone.
wchar_t* wide_from_sjis(const char* text);
void wide_free(wchar_t* text);

// Into out (out_size characters, at least 1); a text too long for it is cut.
void wide_copy_from_sjis(const char* text, wchar_t* out, int out_size);

// Whole texts that may hold NULs, as a file holds them, UTF-16 as its little-endian
// bytes. A character Shift-JIS cannot hold, or holds only as a look-alike, reads as
// "?", as Windows' own ANSI functions read it.
std::string sjis_from_utf16(const std::string& utf16);
std::string utf16_from_sjis(const std::string& sjis);

void set_window_text_sjis(HWND window, const char* text);
void set_item_text_sjis(HWND dialog, int item, const char* text);
int message_box_sjis(HWND owner, const char* text, const char* caption, UINT type);

// A text the player typed, as Shift-JIS in out (out_size bytes, at least 1), cut to
// whole characters. Characters Shift-JIS cannot hold are left out and listed in
// refused (refused_size characters, at least 1); returns how many were left out.
int sjis_from_typed(const wchar_t* typed, char* out, int out_size, wchar_t* refused,
                    int refused_size);
