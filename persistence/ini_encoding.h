// A settings file's bytes as the program's text, and back. The program reads and
// writes Shift-JIS; a file Notepad saved as "Unicode" (UTF-16 with its mark) is read
// as its text and written back as UTF-16, as Windows' own profile functions do.
#pragma once
#include <windows.h>
#include <string>
#include <unordered_map>
#include <vector>

// How a file's bytes hold its text, as read.
struct IniEncoding {
  bool utf16 = false;      // UTF-16, little-endian, after its mark
  std::string odd_byte;    // a last byte that makes no whole unit, kept at the end
  // Each of a UTF-16 file's lines as it was spelt (its bytes, without its line break),
  // under the Shift-JIS it reads as, in the order the lines came.
  std::unordered_map<std::string, std::vector<std::string>> spelt;
};

// The file's text, read whole: its bytes as they stand, or a UTF-16 file's text
// converted by code page 932. The errors are file_read_whole's. encoding may be null
// where the text is only read.
DWORD ini_read_text(const wchar_t* path, std::string* text, IniEncoding* encoding);
// The bytes that hold text in the file's own encoding. A line whose text is one that
// a line of the file read as keeps that line's spelling, letters Shift-JIS cannot hold
// included: the n-th such line the n-th spelling.
std::string ini_bytes_of_text(const std::string& text, const IniEncoding& encoding);
