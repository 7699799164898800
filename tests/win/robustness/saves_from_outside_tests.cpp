// The settings file met from outside the process, as a player's machine meets it:
// the game ended at any moment of its saves, and two copies of it saving to one file
// at the same moments. Each game is a copy of this test program in a process of its
// own, making the game's real saves.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>
#include "box_catcher.h"
#include "child_test.h"
#include "main_window_harness.h"
#include "play_helpers.h"
#include "ranking_entry.h"
#include "ranking_expect.h"
#include "shell_state.h"
#include "stopwatch.h"

namespace {

// A page the parent shares with its children, named in the environment they inherit.
struct RunPage {
  volatile LONG started;       // children that have begun, each one's number
  volatile LONG ready;         // children with their main window open
  volatile LONG done;          // saves a child has finished
  volatile LONG in_save;       // the save under way (SaveKind)
  volatile LONG arrived[16];   // children at each meeting point
};
constexpr wchar_t RUN_VARIABLE[] = L"KOTOPAI_TEST_RUN";

struct SharedRun {
  HANDLE mapping;
  RunPage* run;
  SharedRun() {
    const std::wstring name = L"Local\\KotopaiTestRun." + std::to_wstring(GetCurrentProcessId());
    mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(RunPage), name.c_str());
    run = static_cast<RunPage*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(RunPage)));
    SetEnvironmentVariableW(RUN_VARIABLE, name.c_str());
  }
  ~SharedRun() {
    UnmapViewOfFile(run);
    CloseHandle(mapping);
    SetEnvironmentVariableW(RUN_VARIABLE, nullptr);
  }
  SharedRun(const SharedRun&) = delete;
  SharedRun& operator=(const SharedRun&) = delete;
  void clear() { ZeroMemory(const_cast<RunPage*>(run), sizeof(RunPage)); }
};

RunPage* joined_run() {
  wchar_t name[64] = L"";
  GetEnvironmentVariableW(RUN_VARIABLE, name, 64);
  HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name);
  if (!mapping) return nullptr;
  return static_cast<RunPage*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(RunPage)));
}

std::wstring own_program() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

std::wstring copy_path() {
  const std::wstring file = settings_file();
  return file.substr(0, file.rfind(L'\\') + 1) + L"kotopai.new";
}

bool copy_left() { return GetFileAttributesW(copy_path().c_str()) != INVALID_FILE_ATTRIBUTES; }

// Every section a game writes, and one of another program's, in this order.
std::string file_text(const char* player, POINT place, int mode, int sound, const RankingTable& ranking) {
  char head[256];
  snprintf(head, sizeof head,
           "[ShellLink]\r\nSTARTUP=1\r\nDESKTOP=0\r\nSTARTMENU=1\r\n[Other]\r\nkept=yes\r\n[Pos]\r\nX=%ld\r\nY=%ld\r\n"
           "[MODE]\r\nmode=%d\r\n[SOUND]\r\nsound=%d\r\n[PLAYER]\r\nNAME=%s\r\n",
           place.x, place.y, mode, sound, player);
  return head + ranking_file_text(ranking);
}

// Ten entries of other days, at 100 s times the rank plus slow.
RankingTable old_table(int slow) {
  RankingTable table;
  for (int row = 0; row < RANKING_SIZE; ++row) {
    snprintf(table.names[row], RANKING_NAME_SIZE, "Old%d", row + 1);
    table.years[row] = 2020;
    table.months[row] = 5;
    table.days[row] = row + 1;
    table.seconds[row] = slow + 100 * (row + 1);
  }
  return table;
}

// The close's keys as the session's end writes them: the same save, with no window to destroy.
void close_save(HWND window, POINT place, int mode, int sound) {
  MoveWindow(window, place.x, place.y, MAIN_WIDTH, MAIN_HEIGHT, TRUE);
  game_mode = mode;
  sound_on = sound;
  SendMessageA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
}

struct SavesFromOutside : testing::Test {
  void SetUp() override { remove_settings(); }
  void TearDown() override {
    remove_settings();
    DeleteFileW(copy_path().c_str());
  }
};

// ---- A game ended at any moment of its saves ----------------------------------------

enum SaveKind { NO_SAVE, RANKING_SAVE, NAME_SAVE, CLOSE_SAVE };
const char* const KIND_NAMES[] = {"between saves", "ranking", "name", "close"};
constexpr int KILL_ROUNDS = 4;
constexpr int KILL_STEPS = 3 * KILL_ROUNDS;
constexpr int ENTRY_SECONDS[KILL_ROUNDS] = {550, 150, 950, 50};   // rows 5, 1, 9 and 0
const char* const ENTRY_NAMES[KILL_ROUNDS] = {"Kai", "Rin", "Sora", "Yu"};
constexpr int KILLS_INSIDE_SAVES = 200;

SaveKind kind_of(int step) { return static_cast<SaveKind>(step % 3 + 1); }

// One of a game's saves, the same in the child and in the parent's replay: each round
// an entry of a time that takes a row, the name typed for it, and a close at a new
// place with new switches.
void make_save(HWND window, int step, RankingEntry* entry) {
  const int round = step / 3;
  RankingTable table;
  switch (kind_of(step)) {
    case RANKING_SAVE: *entry = ranking_enter(ENTRY_SECONDS[round], &table); break;
    case NAME_SAVE: ranking_keep_name(entry, ENTRY_NAMES[round]); break;
    default: close_save(window, {100 + 20 * round, 70 + 10 * round}, round % 2, round / 2 % 2);
  }
}

std::string killed_start() { return file_text("Mio", {120, 90}, 1, 0, old_table(0)); }

// Run by the next test in a process that it ends from outside.
TEST(SavesKilled, DISABLED_SavesUntilEnded) {
  RunPage* run = joined_run();
  ASSERT_NE(nullptr, run);
  HWND window = open_main_window();
  RankingEntry entry = {};
  InterlockedExchange(&run->ready, 1);
  for (int step = 0; step < KILL_STEPS; ++step) {
    InterlockedExchange(&run->in_save, kind_of(step));
    make_save(window, step, &entry);
    InterlockedExchange(&run->in_save, NO_SAVE);
    InterlockedExchange(&run->done, step + 1);
  }
  Sleep(30000);
  ADD_FAILURE() << "never ended from outside";
}

// The file after each save of a whole run, made here by the same saves: states[k]
// once k saves are done. And how long each save took.
struct Replay {
  std::vector<std::string> states;
  std::vector<double> ms;
};

Replay replay_saves(const std::string& start) {
  Replay replay = {{start}, {}};
  write_settings_bytes(start);
  HWND window = open_main_window();
  RankingEntry entry = {};
  for (int step = 0; step < KILL_STEPS; ++step) {
    const double began = now_ms();
    make_save(window, step, &entry);
    replay.ms.push_back(now_ms() - began);
    replay.states.push_back(settings_bytes());
  }
  close_main_window(window);
  return replay;
}

// The child is ended somewhere inside a save chosen at random: the parent waits for
// the saves before it to be done, then a random part of that save's time.
TEST_F(SavesFromOutside, AGameEndedInAnySaveLeavesTheWholeOldFileOrTheWholeNewOne) {
  SharedRun shared;
  const Replay replay = replay_saves(killed_start());
  const unsigned seed = GetTickCount();
  std::mt19937 random(seed);
  int trials = 0, inside[4] = {}, copies = 0, damaged = 0;
  while (inside[RANKING_SAVE] + inside[NAME_SAVE] + inside[CLOSE_SAVE] < KILLS_INSIDE_SAVES && trials < 2 * KILLS_INSIDE_SAVES) {
    write_settings_bytes(replay.states[0]);
    shared.clear();
    HANDLE child = start_child_test(own_program(), L"SavesKilled.DISABLED_SavesUntilEnded");
    ASSERT_NE(nullptr, child);
    const int target = std::uniform_int_distribution<int>(0, KILL_STEPS - 1)(random);
    const double give_up = now_ms() + 60000;
    while ((!shared.run->ready || shared.run->done < target) && WaitForSingleObject(child, 0) == WAIT_TIMEOUT &&
           now_ms() < give_up)
      Sleep(0);
    const double until = now_ms() + std::uniform_real_distribution<double>(0, replay.ms[target])(random);
    while (now_ms() < until) YieldProcessor();
    TerminateProcess(child, 0xDEAD);
    WaitForSingleObject(child, INFINITE);
    CloseHandle(child);
    ASSERT_EQ(1, shared.run->ready) << "the child never opened its window";
    const int done = shared.run->done;
    ++trials;
    ++inside[shared.run->in_save];
    copies += copy_left();
    const std::string file = settings_bytes();
    if (file == replay.states[done] || (done < KILL_STEPS && file == replay.states[done + 1])) continue;
    if (++damaged <= 3)
      ADD_FAILURE() << "ended in the " << KIND_NAMES[shared.run->in_save] << " save after " << done
                    << " saves, the file holds neither the old nor the new contents:\n" << file;
  }
  printf("killed %d times (seed %u): inside the ranking save %d, the name %d, the close %d, between saves %d; "
         "%d left the copy behind; %d damaged files\n",
         trials, seed, inside[RANKING_SAVE], inside[NAME_SAVE], inside[CLOSE_SAVE], inside[NO_SAVE], copies, damaged);
  EXPECT_EQ(0, damaged);
  EXPECT_GE(inside[RANKING_SAVE] + inside[NAME_SAVE] + inside[CLOSE_SAVE], KILLS_INSIDE_SAVES);

  // The next save writes over a copy a kill left behind, and puts it in place.
  write_settings_bytes(replay.states[0]);
  HWND window = open_main_window();
  close_main_window(window);
  EXPECT_FALSE(copy_left());
}

// ---- Two copies at once ---------------------------------------------------------

constexpr int COPIES = 2;
constexpr int COPY_ROUNDS = 5;   // ten entries in all, each better than every old one
constexpr int COPY_RUNS = 10;

int copy_seconds(int copy, int round) { return 100 + 200 * round + 100 * copy; }
std::string copy_name(int copy, int round) { return std::string(1, static_cast<char>('A' + copy)) + std::to_string(round); }
POINT copy_place(int copy, int round) { return {300 + 40 * copy + round, 200 + 30 * copy + round}; }

// Waits until every copy has come this far, so their saves start at the same moment.
void meet(RunPage* run, int point) {
  InterlockedIncrement(&run->arrived[point]);
  const double give_up = now_ms() + 60000;
  while (run->arrived[point] < COPIES && now_ms() < give_up) Sleep(0);
}

std::string copies_start() { return file_text("Mio", {120, 90}, 1, 0, old_table(2000)); }

// Run twice at once by the next test: each round an entry, its name and a close,
// the two copies starting every round together; then both close their windows.
TEST(TwoCopies, DISABLED_OneCopy) {
  RunPage* run = joined_run();
  ASSERT_NE(nullptr, run);
  const int copy = InterlockedIncrement(&run->started) - 1;
  BoxCatcher catcher;
  HWND window = open_main_window();
  for (int round = 0; round < COPY_ROUNDS; ++round) {
    meet(run, round);
    RankingTable table;
    RankingEntry entry = ranking_enter(copy_seconds(copy, round), &table);
    ranking_keep_name(&entry, copy_name(copy, round).c_str());
    close_save(window, copy_place(copy, round), copy, 1 - copy);
  }
  meet(run, COPY_ROUNDS);
  close_main_window(window);
  EXPECT_TRUE(catcher.texts().empty()) << catcher.texts()[0];
}

// Whichever copy saved its name last, and whichever closed last, the file holds the
// other program's section, the choices, every entry of both copies under its own name,
// and one copy's place and switches whole.
TEST_F(SavesFromOutside, TwoCopiesSavingAtTheSameMomentsLoseNoEntryAndNoSection) {
  SharedRun shared;
  RankingTable best = old_table(2000);
  for (int copy = 0; copy < COPIES; ++copy)
    for (int round = 0; round < COPY_ROUNDS; ++round)
      best = with_new_entry(best, copy_seconds(copy, round), copy_name(copy, round).c_str());
  std::vector<std::string> whole;
  for (int named_last = 0; named_last < COPIES; ++named_last)
    for (int closed_last = 0; closed_last < COPIES; ++closed_last)
      whole.push_back(file_text(copy_name(named_last, COPY_ROUNDS - 1).c_str(),
                                copy_place(closed_last, COPY_ROUNDS - 1), closed_last, 1 - closed_last, best));
  int damaged = 0;
  for (int run = 0; run < COPY_RUNS; ++run) {
    write_settings_bytes(copies_start());
    shared.clear();
    HANDLE copies[COPIES];
    for (HANDLE& copy : copies) copy = start_child_test(own_program(), L"TwoCopies.DISABLED_OneCopy");
    for (HANDLE copy : copies) {
      ASSERT_NE(nullptr, copy);
      DWORD code = WAIT_TIMEOUT;
      if (WaitForSingleObject(copy, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(copy, &code);
      else TerminateProcess(copy, code);
      CloseHandle(copy);
      EXPECT_EQ(0u, code);
    }
    const std::string file = settings_bytes();
    if (std::find(whole.begin(), whole.end(), file) != whole.end()) continue;
    if (++damaged <= 3)
      ADD_FAILURE() << "run " << run << ": " << ranking_difference(best, ranking_in_file()) << "\n" << file;
  }
  printf("two copies, %d runs of %d entries, names and closes each: %d runs lost an entry, a name or a section\n",
         COPY_RUNS, COPY_ROUNDS, damaged);
  EXPECT_EQ(0, damaged);
}

}  // namespace
