// Paths of files beside the running program, in UTF-16: the program's folder may be
// named in any language and be as long as Windows lets it be.
#pragma once
#include <windows.h>

// The longest path Windows takes, with its terminator.
constexpr int LONG_PATH_SIZE = 32768;

// Room for one such path, on the heap: 64 KB on the stack for each would soon run
// a thread's stack out. Freed when it goes out of scope, never copied. Where memory
// runs out it holds the empty path alone (size 1): the functions below then give the
// empty path, as for a path that cannot be had, and no file is found there.
struct LongPath {
  wchar_t* text;
  int size;   // characters text holds: LONG_PATH_SIZE, or 1
  LongPath();
  ~LongPath();
  LongPath(const LongPath&) = delete;
  LongPath& operator=(const LongPath&) = delete;

 private:
  wchar_t none_[1];
};

// The full path of the running program, whole; empty when it cannot be had.
void program_path(LongPath* path);
// The folder of the running program, without a final backslash unless it is a root.
void program_folder(LongPath* folder);
// The file called name (ASCII, such as "kotopai.ini" or "help\\kotopai.htm") in the
// folder of the file at program; a program path without a folder gives name alone,
// a name that would not fit gives the folder alone, and a folder that would not fit
// gives the empty path.
void path_beside(const wchar_t* program, const char* name, LongPath* path);
// The same beside the running program.
void path_beside_program(const char* name, LongPath* path);
// The path as the file functions take it also at MAX_PATH characters or more: with
// the prefix that lifts their limit ("\\?\C:\..." or "\\?\UNC\server\..."); a
// shorter path, or one that is not whole, as it is.
void unlimited_path(const wchar_t* path, LongPath* out);
// The short form of the existing file or folder at path, made in room, without the
// prefix; null where it cannot be had. A volume that keeps no short names gives the
// path as long as it is.
const wchar_t* short_form(const wchar_t* path, LongPath* room);
// A path that functions limited to MAX_PATH take, naming the same existing file or
// folder as path: path itself when it is shorter, else its short form (made in room),
// where that is shorter; null where the volume keeps no short names or the short
// form is as long.
const wchar_t* short_enough_path(const wchar_t* path, LongPath* room);
