// Opening the help document and the home page through the shell.
#pragma once

// How the shell is asked to open something (verb may be null for the default);
// tests put a recorder here instead of a browser.
using ShellOpener = void (*)(const wchar_t* verb, const wchar_t* file, const wchar_t* directory);
extern ShellOpener shell_opener;
void open_with_shell(const wchar_t* verb, const wchar_t* file, const wchar_t* directory);

// help\kotopai.htm beside the program, by its full path, with its default verb and the
// program's folder as the working folder.
void open_help();
// The maker's web page, KOTOPAI_HOMEPAGE of the build; where that is empty, the page
// beside the program that says what the game is stands in for it.
void open_homepage();
