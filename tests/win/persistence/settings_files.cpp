// The settings file beside the test program: removing it and reading it as bytes.
#include "settings_files.h"

#include <windows.h>
#include <fstream>
#include <sstream>

#include "settings.h"

std::string settings_path() {
  char path[MAX_PATH];
  ini_path(SETTINGS_FILE_NAME, path);
  return path;
}

// The profile functions may cache the last file they read: let go of it first.
static void release_profile_cache() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr); }

void remove_settings() {
  release_profile_cache();
  DeleteFileA(settings_path().c_str());
}

std::string settings_text() {
  std::ifstream in(settings_path(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_settings(const std::string& text) {
  release_profile_cache();
  std::ofstream out(settings_path(), std::ios::binary | std::ios::trunc);
  out << text;
}
