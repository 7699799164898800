// Opening the help document and the home page through the shell.
#pragma once

// The maker's web page.
constexpr const char* HOMEPAGE_ADDRESS = "https://kotopai.example/";

// How the shell is asked to open something (verb may be null for the default);
// tests put a recorder here instead of a browser.
using ShellOpener = void (*)(const char* verb, const char* file, const char* directory);
extern ShellOpener shell_opener;
void open_with_shell(const char* verb, const char* file, const char* directory);

// help\kotopai.htm beside the program, with its default verb and that directory.
void open_help();
void open_homepage();
