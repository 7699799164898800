// Opening the help document and the home page through the shell.
#pragma once
#include <windows.h>

// How the shell is asked to open something (verb may be null for the default): 1 when
// the shell reports it did, 0 when it reports failure. Tests put a recorder here
// instead of a browser.
using ShellOpener = int (*)(const wchar_t* verb, const wchar_t* file, const wchar_t* directory);
extern ShellOpener shell_opener;
int open_with_shell(const wchar_t* verb, const wchar_t* file, const wchar_t* directory);

// The two pages the program opens, each with its verb and its words for the player.
enum ShellPage { PAGE_HELP, PAGE_HOME };

// The page's file at path (whole, of any length) through the shell, with folder (or
// null) as the working folder. Where the shell cannot take the path or reports
// failure, a box owned by owner tells the player and names the path, so the page
// can still be opened by hand.
void open_page(HWND owner, ShellPage page, const wchar_t* path, const wchar_t* folder);
// help\kotopai.htm beside the program, with its default verb and the program's folder
// as the working folder.
void open_help(HWND owner);
// The maker's web page, KOTOPAI_HOMEPAGE of the build; where that is empty, the page
// beside the program that says what the game is stands in for it.
void open_homepage(HWND owner);
