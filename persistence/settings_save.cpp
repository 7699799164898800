// Saving to the settings file: the file is read once, the keys are written into its
// text in memory, and the text is written whole into a copy, flushed to the disk and
// renamed over the file. On NTFS a save killed at any moment, or cut off by the
// power, leaves the file whole, old or new. On FAT and exFAT the rename is a delete
// and then a rename: cut off between them, only the copy is left, and the next start
// or save puts it in place if it was written whole. The copy is read-only until it
// is whole, so one cut short is never taken for the settings.
#include "settings_save.h"

#include <windows.h>
#include <string>

#include "file_bytes.h"
#include "ini_encoding.h"
#include "program_path.h"
#include "replace_file.h"
#include "settings.h"
#include "settings_lock.h"

int settings_saves_lost = 0;
FileFault settings_save_fault = SAVE_OK;

namespace {

// A virus scanner, a backup program or another copy of the game reading the file
// holds it, or the new copy, for a moment: a step is tried 26 times, 20 ms apart.
// Windows sleeps in whole ticks of its timer, 15.6 ms unless a program asked for
// finer ones, so the pauses take 31 ms each there and a step about 0.8 s before the
// save is given up; under Wine about half a second.
constexpr int STEP_TRIES = 26;
constexpr DWORD STEP_PAUSE_MS = 20;

template <typename Step>
bool tried(Step step) {
  for (int n = 1;; ++n) {
    if (step()) return true;
    if (n == STEP_TRIES) return false;
    Sleep(STEP_PAUSE_MS);
  }
}

bool held(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

bool is_whole_copy(const wchar_t* copy) {
  const DWORD attributes = GetFileAttributesW(copy);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

void remove_copy(const wchar_t* copy) {
  SetFileAttributesW(copy, FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(copy);
}

bool put_in_place(const wchar_t* copy, const wchar_t* file) {
  if (replace_file(copy, file)) return true;
  settings_save_fault = held(GetLastError()) || GetLastError() == ERROR_ACCESS_DENIED ? SAVE_HELD : SAVE_NO_ROOM;
  return false;
}

// The file's text, or none when there is no file. A copy written whole in place of a
// file that is gone becomes the file first: until it has, it holds the only settings
// there are, so the read fails, to be tried again, and the copy is never written over.
bool read_file(const wchar_t* file, const wchar_t* copy, std::string* text, IniEncoding* encoding) {
  DWORD error = ini_read_text(file, text, encoding);
  if (error == ERROR_FILE_NOT_FOUND && is_whole_copy(copy)) {
    if (!put_in_place(copy, file)) return false;
    error = ini_read_text(file, text, encoding);
  }
  if (held(error) || error == ERROR_ACCESS_DENIED) settings_save_fault = SAVE_HELD;
  else if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND) settings_save_fault = SAVE_NO_ROOM;
  return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND;
}

// A copy another save left behind, cut short or marked read-only, is cleared; so is
// an empty folder of the copy's name. A folder with files in it stays in the way.
bool copy_name_free(const wchar_t* copy) {
  const DWORD attributes = GetFileAttributesW(copy);
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return RemoveDirectoryW(copy) != 0;
  if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(copy, FILE_ATTRIBUTE_NORMAL);
  return true;
}

// The text written into the copy, flushed, then marked whole and flushed again, so
// the mark reaches the disk after every byte. no_room: the folder refuses the copy
// for good, where a copy held for a moment may be made later.
bool copy_written(const wchar_t* copy, const std::string& text, bool* no_room) {
  SetFileAttributesW(copy, FILE_ATTRIBUTE_NORMAL);   // a try before this one left it unfinished
  HANDLE to = CreateFileW(copy, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, nullptr);
  if (to == INVALID_HANDLE_VALUE) {
    *no_room = !held(GetLastError());
    settings_save_fault = *no_room ? SAVE_NO_ROOM : SAVE_HELD;
    return false;
  }
  FILE_BASIC_INFO whole = {};
  whole.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  const bool done = file_put_all(to, text) && FlushFileBuffers(to) &&
                    SetFileInformationByHandle(to, FileBasicInfo, &whole, sizeof whole) && FlushFileBuffers(to);
  CloseHandle(to);
  if (!done) settings_save_fault = SAVE_NO_ROOM;
  return done;
}

int save_text(const SettingsWrite& write, const wchar_t* file, const wchar_t* copy) {
  std::string before;
  IniEncoding encoding;
  if (!tried([&] { return read_file(file, copy, &before, &encoding); })) return 0;
  // With the file there, a copy beside it is one a killed save left: never needed.
  const DWORD copy_attributes = GetFileAttributesW(copy);
  if (GetFileAttributesW(file) != INVALID_FILE_ATTRIBUTES && copy_attributes != INVALID_FILE_ATTRIBUTES &&
      !(copy_attributes & FILE_ATTRIBUTE_DIRECTORY))
    remove_copy(copy);
  IniText lines;
  ini_text_split(before, &lines);
  ini_in_memory(SETTINGS_COPY_NAME, &lines);
  const int written = write(SETTINGS_COPY_NAME);
  ini_in_memory(SETTINGS_COPY_NAME, nullptr);
  if (!written) {
    settings_save_fault = SAVE_NO_ROOM;
    return 0;
  }
  const std::string text = ini_text_joined(lines);
  if (text == before) return 1;
  const std::string bytes = ini_bytes_of_text(text, encoding);
  const DWORD attributes = GetFileAttributesW(file);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    settings_save_fault = SAVE_READ_ONLY;
    return 0;
  }
  if (!copy_name_free(copy)) {
    settings_save_fault = SAVE_COPY_IN_THE_WAY;
    return 0;
  }
  // A folder that takes no file loses the save at once: no wait would change it.
  bool no_room = false;
  const int kept = tried([&] { return copy_written(copy, bytes, &no_room) || no_room; }) && !no_room &&
                   tried([&] { return put_in_place(copy, file); });
  if (!kept) remove_copy(copy);
  return kept;
}

// Inside the turn, so no other copy of the game reads the file, writes its copy or
// puts it in place between this save's read and its rename. A try that failed before
// one that worked leaves no fault behind.
int save_in_turn(const SettingsWrite& write, const wchar_t* file, const wchar_t* copy) {
  const FileFault earlier = settings_save_fault;
  const int kept = save_text(write, file, copy);
  if (kept) settings_save_fault = earlier;
  return kept;
}

// A save waiting for its turn, and the one it came during: a save asked for while
// another waits (the session's end, whose messages are answered during the wait)
// makes the earlier ones first, in its own turn, so the process may end as soon as
// it returns and nothing earned is lost.
struct WaitingSave {
  const SettingsWrite* write;
  int kept;
  bool done;
  WaitingSave* earlier;
};

WaitingSave* waiting = nullptr;

void save_all_in_turn(WaitingSave* save, const wchar_t* file, const wchar_t* copy) {
  if (!save || save->done) return;
  save_all_in_turn(save->earlier, file, copy);
  save->kept = save_in_turn(*save->write, file, copy);
  save->done = true;
}

}  // namespace

int settings_save(const SettingsWrite& write) {
  LongPath file, copy;
  WaitingSave self = {&write, 0, false, waiting};
  waiting = &self;
  if (ini_file_path(SETTINGS_FILE_NAME, &file) && ini_file_path(SETTINGS_COPY_NAME, &copy)) {
    FileFault lock_fault = SAVE_OK;
    if (HANDLE lock = settings_lock_take(file.text, &lock_fault, &self.done)) {
      save_all_in_turn(&self, file.text, copy.text);
      settings_lock_release(lock);
    } else if (!self.done) {
      settings_save_fault = lock_fault;
    }
  }
  waiting = self.earlier;
  if (!self.kept) ++settings_saves_lost;
  return self.kept;
}

void settings_save_waiting() {
  if (waiting) settings_save([](const char*) { return 1; });
}

void settings_recover() {
  if (!ini_exists(SETTINGS_FILE_NAME) && ini_exists(SETTINGS_COPY_NAME)) settings_save([](const char*) { return 1; });
}
