// What the program hands the shell: its calls, recorded instead of opening a browser,
// and the link files it makes.
#pragma once
#include <string>
#include <vector>

struct ShellCall {
  std::wstring verb, file, directory;   // "(default)" and "(none)" for null
};
extern std::vector<ShellCall> shell_calls;
// A stand-in for the shell opener that records each call and answers as the shell
// answers when it opens (1), or when it reports failure (0).
extern int shell_answer;
int record_shell_call(const wchar_t* verb, const wchar_t* file, const wchar_t* directory);
// The running test program's path, and its folder without a final backslash.
std::wstring own_program();
std::wstring own_folder();
// A path spelt in Shift-JIS, as a box's text is read back.
std::string code_page_text(const std::wstring& path);
// The link file named name + ".lnk" in one of the shell's special folders.
std::wstring link_file(int folder_id, const std::wstring& name = L"Kotopai");
// The target as the shell follows it from a link file, its item list (Wine reads the
// link's path back through the ANSI code page); empty when it cannot.
std::wstring link_target(const std::wstring& link);
