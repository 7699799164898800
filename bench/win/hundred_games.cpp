// Plays 100 easy games (or as many as asked) to the end in the real main window and
// prints what the process holds after the first and after the last: memory, graphics
// and window objects, handles (run under Wine: scripts/wine-run build/win/hundred_games.exe).
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "app_identity.h"
#include "board.h"
#include "main_window.h"
#include "outcome.h"
#include "resource.h"
#include "rules_support.h"
#include "settings.h"
#include "shell_state.h"
#include "sound.h"
#include "tile_windows.h"
#include "window_classes.h"
#include "window_position.h"
#include "../../tests/win/support/resource_counts.h"
#include "../../tests/win/support/stopwatch.h"

namespace {

constexpr int DEFAULT_GAMES = 100;   // another count may be given as the first argument

HHOOK box_hook = nullptr;
HWND open_box = nullptr;
int boxes_answered = 0;

void silent(const char*) {}

void pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The ranking (and any other box) is answered with OK once its own loop runs.
void CALLBACK press_ok(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (open_box && IsWindow(open_box)) {
    SendMessageA(open_box, WM_COMMAND, IDOK, 0);
    ++boxes_answered;
  }
  open_box = nullptr;
}

LRESULT CALLBACK on_cbt(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    char name[16] = "";
    GetClassNameA(reinterpret_cast<HWND>(wparam), name, sizeof name);
    if (std::string(name) == "#32770" && open_box == nullptr) {
      open_box = reinterpret_cast<HWND>(wparam);
      SetTimer(nullptr, 0, 0, press_ok);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void pick(HWND main, int slot) {
  SendMessageA(main, WM_PAI_CLICK, 0, reinterpret_cast<LPARAM>(pai_windows[slot]));
}

// A new easy deal, its pairs taken in the order they were built, each shown on screen.
bool play_one_game(HWND main) {
  SendMessageA(main, WM_COMMAND, IDM_MODE_EASY, 0);
  pump();
  BuildRecord build;
  if (replay_easy_deal(&build) < 0) return false;
  for (int k = 0; k < PAIR_COUNT; ++k) {
    pick(main, build.first[k]);
    pick(main, build.second[k]);
    pump();
    SendMessageA(main, WM_TIMER, TIMER_REMOVE, 0);
    SendMessageA(main, WM_TIMER, TIMER_REMOVE, 0);
  }
  pump();
  return board_is_cleared() == 1;
}

struct Snapshot {
  PROCESS_MEMORY_COUNTERS_EX memory;
  ResourceCounts counts;
};

Snapshot snapshot() {
  Snapshot s = {};
  s.memory.cb = sizeof s.memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&s.memory), sizeof s.memory);
  s.counts = resource_counts();
  return s;
}

// Wine leaves PrivateUsage at 0; the page-file usage is the same figure there.
double committed(const Snapshot& s) {
  return static_cast<double>(s.memory.PrivateUsage ? s.memory.PrivateUsage : s.memory.PagefileUsage);
}

void print(const char* when, const Snapshot& s) {
  std::printf("%-22s peak working set %7.1f MB  working set %7.1f MB  committed %7.1f MB  "
              "GDI objects %4ld  user objects %4ld  handles %4ld\n",
              when, s.memory.PeakWorkingSetSize / 1048576.0, s.memory.WorkingSetSize / 1048576.0,
              committed(s) / 1048576.0, s.counts.gdi_objects, s.counts.user_objects,
              s.counts.handles);
}

std::string file_bytes(const wchar_t* path) {
  std::string bytes;
  if (FILE* file = _wfopen(path, L"rb")) {
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    std::fclose(file);
  }
  return bytes;
}

void put_file_bytes(const wchar_t* path, const std::string& bytes) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);
  if (FILE* file = _wfopen(path, L"wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : DEFAULT_GAMES;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  // The settings file beside this program is also the game's: keep it as it was,
  // and let a fresh one skip the first-run offer of shortcuts.
  LongPath path;
  ini_path(SETTINGS_FILE_NAME, &path);
  const bool existed = ini_exists(SETTINGS_FILE_NAME);
  const std::string kept = file_bytes(path.text);
  put_file_bytes(path.text, "[Pos]\r\nX=40\r\nY=40\r\n");

  cue_sink = silent;
  box_hook = SetWindowsHookExA(WH_CBT, on_cbt, nullptr, GetCurrentThreadId());
  register_window_classes(app_instance);
  HWND main = create_main_window(app_instance);
  place_main_window(main);
  ShowWindow(main, SW_SHOWNORMAL);
  UpdateWindow(main);
  pump();

  int cleared = 0;
  Snapshot first = {};
  const double start = now_ms();
  for (int game = 1; game <= games; ++game) {
    cleared += play_one_game(main) ? 1 : 0;
    if (game == 1) first = snapshot();
  }
  const double seconds = (now_ms() - start) / 1000.0;
  const Snapshot last = snapshot();

  std::printf("%d easy games played, %d cleared, %d boxes answered, %.1f s (%.0f ms a game)\n", games, cleared,
              boxes_answered, seconds, seconds * 1000.0 / games);
  print("after the first game:", first);
  print("after the last game:", last);
  std::printf("growth: GDI objects %+ld, user objects %+ld, handles %+ld, committed %+.1f MB\n",
              last.counts.gdi_objects - first.counts.gdi_objects, last.counts.user_objects - first.counts.user_objects,
              last.counts.handles - first.counts.handles,
              (committed(last) - committed(first)) / 1048576.0);

  DestroyWindow(main);
  pump();
  UnhookWindowsHookEx(box_hook);
  if (existed) put_file_bytes(path.text, kept);
  else DeleteFileW(path.text);
  return cleared == games ? 0 : 1;
}
