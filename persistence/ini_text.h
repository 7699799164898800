// A settings file's text as its bytes: one value looked up or put, sections and keys
// matched as Windows matches them (letters in either case, blanks around ignored).
// Values are the bytes as they stand, Shift-JIS whatever the system's code page.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

// The value of key in the first section of that name, blanks around it trimmed and a
// pair of matching quotes around it dropped; false where the section has no such key,
// or the key no "=".
bool ini_text_get(const std::string& text, const char* section, const char* key, std::string* value);
// Puts the value (blanks before it dropped) in place of the key's, or as the last key
// of its section, or in a new section at the end. Every other line keeps its bytes;
// a key that already holds the value leaves the text as it was.
void ini_text_put(std::string* text, const char* section, const char* key, const char* value);

// A whole file's text cut at its sections, so a save's puts each cost what their own
// section holds, whatever the size of the file.
struct IniText {
  std::vector<std::string> sections;   // from each name's line to the next; the first holds what comes before any
  std::unordered_map<std::string, size_t> first_of;   // the first section of each name, its letters folded
};
void ini_text_split(const std::string& bytes, IniText* text);
std::string ini_text_joined(const IniText& text);
bool ini_text_get(const IniText& text, const char* section, const char* key, std::string* value);
void ini_text_put(IniText* text, const char* section, const char* key, const char* value);
