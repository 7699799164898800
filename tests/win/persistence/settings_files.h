// The settings file beside the test program: removing it and reading it as bytes.
#pragma once
#include <string>

std::string settings_path();
void remove_settings();
std::string settings_text();                        // "" when there is no file
void write_settings(const std::string& text);       // the whole file, as given
