// What the program hands the shell: its calls, recorded instead of opening a browser,
// and the link files it makes.
#pragma once
#include <string>
#include <vector>

struct ShellCall {
  std::wstring verb, file, directory;   // "(default)" and "(none)" for null
};
extern std::vector<ShellCall> shell_calls;
// A stand-in for the shell opener that records each call.
void record_shell_call(const wchar_t* verb, const wchar_t* file, const wchar_t* directory);
// The running test program's path, and its folder without a final backslash.
std::wstring own_program();
std::wstring own_folder();
// The link file named "Kotopai.lnk" in one of the shell's special folders.
std::wstring link_file(int folder_id);
// The target as the shell follows it from a link file, its item list (Wine reads the
// link's path back through the ANSI code page); empty when it cannot.
std::wstring link_target(const std::wstring& link);
