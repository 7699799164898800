// Figures of the settings file's saves where the player meets them, in the real main
// window (run under Wine, a build before a change beside one after it:
// scripts/measure-saves.sh): the last pair taken off to the ranking dialog shown, with
// the whole table saved between; a close, with the place and switches saved; the
// same save alone, as the session's end makes it; and a flush to the disk of a file
// of the settings file's size, on its own.
// Usage: save_figures [rounds]
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "board.h"
#include "main_window_harness.h"
#include "resource.h"
#include "rules_support.h"
#include "shell_state.h"
#include "sound.h"
#include "stopwatch.h"
#include "tile_windows.h"

namespace {

// A whole table and the rest, as a player's file holds them after some games.
std::string settings_text() {
  std::string text = "[ShellLink]\r\nSTARTUP=0\r\nDESKTOP=1\r\nSTARTMENU=0\r\n[Pos]\r\nX=60\r\nY=60\r\n"
                     "[MODE]\r\nmode=1\r\n[SOUND]\r\nsound=0\r\n[PLAYER]\r\nNAME=Mio\r\n";
  for (int row = 0; row < 10; ++row) {
    char section[128];
    snprintf(section, sizeof section, "[Ranking%02d]\r\nNAME=Player%d\r\nYEAR=2025\r\nMONTH=11\r\nDAY=%d\r\nSECOND=%d\r\n",
             row + 1, row + 1, row + 1, 100 * (row + 1));
    text += section;
  }
  return text;
}

void silent(const char*) {}

double dialog_shown_at = 0;
HHOOK hook = nullptr;

// The ranking dialog is shown as it is activated: the time is taken, and the dialog
// is answered at once, which keeps the name it offers.
LRESULT CALLBACK on_box(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && dialog_shown_at == 0) {
    dialog_shown_at = now_ms();
    PostMessageA(reinterpret_cast<HWND>(wparam), WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

void click(HWND window, int slot) {
  SendMessageA(window, WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(pai_windows[slot]));
}

// A new easy game with all but its last pair taken (in the order it was built), the
// last pair picked and on show: the next tick of the removal timer clears the board.
void last_pair_on_show(HWND window) {
  SendMessageA(window, WM_COMMAND, IDM_MODE_EASY, 0);
  BuildRecord build;
  replay_easy_deal(&build);
  for (int k = 0; k < PAIR_COUNT - 1; ++k) {
    record_removal(build.first[k], build.second[k]);
    ShowWindow(static_cast<HWND>(pai_windows[build.first[k]]), SW_HIDE);
    ShowWindow(static_cast<HWND>(pai_windows[build.second[k]]), SW_HIDE);
  }
  elapsed_seconds = 42;
  click(window, build.first[PAIR_COUNT - 1]);
  click(window, build.second[PAIR_COUNT - 1]);
  SendMessageA(window, WM_TIMER, TIMER_REMOVE, 0);
}

void report(const char* name, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-48s median %8.3f ms   quartile %8.3f ms   worst %8.3f ms   (%d rounds)\n", name,
              times[times.size() / 2], times[times.size() / 4], times.back(), static_cast<int>(times.size()));
}

// The flush a save makes, alone: a file of the settings file's size beside the
// program, written and flushed to the disk.
double flush_alone(const std::string& text) {
  std::wstring path = settings_file();
  path = path.substr(0, path.rfind(L'\\') + 1) + L"flush.tmp";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  const double start = now_ms();
  FlushFileBuffers(file);
  const double took = now_ms() - start;
  CloseHandle(file);
  DeleteFileW(path.c_str());
  return took;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
  // The settings file beside this program is also the game's: keep it as it was.
  const bool existed = GetFileAttributesW(settings_file().c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::string kept = read_settings_text();
  const std::string text = settings_text();
  cue_sink = silent;
  hook = SetWindowsHookExA(WH_CBT, on_box, nullptr, GetCurrentThreadId());
  std::vector<double> to_dialog, close, save_alone, flush;
  for (int round = 0; round < rounds; ++round) {
    write_settings_text(text.c_str());
    HWND window = open_main_window();
    last_pair_on_show(window);
    dialog_shown_at = 0;
    const double taken_off = now_ms();
    SendMessageA(window, WM_TIMER, TIMER_REMOVE, 0);   // the pair goes, the board is cleared
    to_dialog.push_back(dialog_shown_at - taken_off);
    MoveWindow(window, 90 + round % 7, 70, MAIN_WIDTH, MAIN_HEIGHT, TRUE);   // a place to save anew
    const double ending = now_ms();
    SendMessageA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    save_alone.push_back(now_ms() - ending);
    MoveWindow(window, 80 + round % 7, 70, MAIN_WIDTH, MAIN_HEIGHT, TRUE);
    const double closing = now_ms();
    close_main_window(window);
    close.push_back(now_ms() - closing);
    flush.push_back(flush_alone(text));
  }
  UnhookWindowsHookEx(hook);
  report("last pair taken off to the ranking dialog shown", to_dialog);
  report("a close, the place and switches saved", close);
  report("the session's end: the same save alone", save_alone);
  report("a flush of a settings-sized file, alone", flush);
  if (existed)
    write_settings_text(kept.c_str());
  else
    remove_settings();
  return 0;
}
