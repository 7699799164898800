// The settings file met from outside the process, as a player's machine meets it:
// the game ended at any moment of its saves, and two copies of it saving to one file
// at the same moments. Each game is a copy of this test program in a process of its
// own, making the game's real saves.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>
#include "box_catcher.h"
#include "child_test.h"
#include "main_window_harness.h"
#include "play_helpers.h"
#include "ranking_entry.h"
#include "ranking_expect.h"
#include "shell_calls.h"
#include "shell_state.h"
#include "stopwatch.h"

namespace {

// A page the parent shares with the children it starts in one folder, who find it by
// their folder's identity on its volume, whatever path they reach it by.
struct RunPage {
  volatile LONG started;       // children that have begun, each one's number
  volatile LONG ready;         // children with their main window open
  volatile LONG done;          // saves a child has finished
  volatile LONG in_save;       // the save under way (SaveKind)
  volatile LONG arrived[16];   // children at each meeting point
};

std::wstring page_name(const std::wstring& folder) {
  HANDLE opened = CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  BY_HANDLE_FILE_INFORMATION found = {};
  GetFileInformationByHandle(opened, &found);
  CloseHandle(opened);
  return L"Local\\KotopaiTestRun." + std::to_wstring(found.dwVolumeSerialNumber ^ found.nFileIndexLow);
}

struct SharedRun {
  HANDLE mapping;
  RunPage* run;
  explicit SharedRun(const std::wstring& folder) {
    mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(RunPage),
                                 page_name(folder).c_str());
    run = static_cast<RunPage*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(RunPage)));
  }
  ~SharedRun() {
    UnmapViewOfFile(run);
    CloseHandle(mapping);
  }
  SharedRun(const SharedRun&) = delete;
  SharedRun& operator=(const SharedRun&) = delete;
  void clear() { ZeroMemory(const_cast<RunPage*>(run), sizeof(RunPage)); }
};

RunPage* joined_run() {
  HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, page_name(own_folder()).c_str());
  if (!mapping) return nullptr;
  return static_cast<RunPage*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(RunPage)));
}

std::wstring beside(const std::wstring& folder, const std::wstring& program) {
  return folder + program.substr(program.rfind(L'\\'));
}

std::wstring copy_path() { return beside(own_folder(), L"\\kotopai.new"); }

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

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
// once k saves are done. How long each save took, and the day its entries are of.
struct Replay {
  std::vector<std::string> states;
  std::vector<double> ms;
  RankingDate day;
};

bool same_day(RankingDate a, RankingDate b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

Replay replay_saves(const std::string& start) {
  Replay replay = {{start}, {}, ranking_today()};
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

struct KillTally {
  int trials = 0, inside[4] = {}, copies = 0, damaged = 0;
};

// Copies of this program in the folder are started and ended, each somewhere inside
// a save chosen at random: the saves before it are let finish, then a random part of
// that save's time. Until the kills inside saves in all folders are enough.
void kill_in_folder(const std::wstring& folder, const Replay& replay, unsigned seed, std::atomic<int>* inside_saves,
                    KillTally* tally) {
  SharedRun shared(folder);
  std::mt19937 random(seed);
  const std::wstring file = beside(folder, L"\\kotopai.ini");
  while (*inside_saves < KILLS_INSIDE_SAVES && tally->trials < KILLS_INSIDE_SAVES) {
    put_file_bytes(file, replay.states[0]);
    shared.clear();
    HANDLE child = start_child_test(beside(folder, own_program()), L"SavesKilled.DISABLED_SavesUntilEnded");
    if (!child) return ADD_FAILURE() << "no child started";
    const int target = std::uniform_int_distribution<int>(0, KILL_STEPS - 1)(random);
    const double give_up = now_ms() + 60000;
    while ((!shared.run->ready || shared.run->done < target) && WaitForSingleObject(child, 0) == WAIT_TIMEOUT &&
           now_ms() < give_up)
      Sleep(0);
    const double until = now_ms() + std::uniform_real_distribution<double>(0, replay.ms[target])(random);
    while (now_ms() < until) Sleep(0);
    TerminateProcess(child, 0xDEAD);
    WaitForSingleObject(child, INFINITE);
    CloseHandle(child);
    if (!shared.run->ready) return ADD_FAILURE() << "the child never opened its window";
    const int done = shared.run->done, kind = shared.run->in_save;
    ++tally->trials;
    ++tally->inside[kind];
    if (kind != NO_SAVE) ++*inside_saves;
    tally->copies += exists(beside(folder, L"\\kotopai.new"));
    const std::string bytes = file_bytes(file);
    if (bytes == replay.states[done] || (done < KILL_STEPS && bytes == replay.states[done + 1])) continue;
    if (!same_day(replay.day, ranking_today())) continue;   // past midnight, the entries are of another day
    if (++tally->damaged <= 3)
      ADD_FAILURE() << "ended in the " << KIND_NAMES[kind] << " save after " << done
                    << " saves, the file holds neither the old nor the new contents:\n" << bytes;
  }
}

// Two folders at once, each with its own copy of this program and its own settings
// file, so the machine's two cores each start copies.
TEST_F(SavesFromOutside, AGameEndedInAnySaveLeavesTheWholeOldFileOrTheWholeNewOne) {
  const Replay replay = replay_saves(killed_start());
  const std::wstring second = own_folder() + L"\\second folder";
  CreateDirectoryW(second.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(own_program().c_str(), beside(second, own_program()).c_str(), FALSE));
  char given[16] = "";   // a new seed each run, or the one a run printed: KOTOPAI_KILL_SEED=<seed>
  const unsigned seed = GetEnvironmentVariableA("KOTOPAI_KILL_SEED", given, 16) ? atol(given) : GetTickCount();
  printf("kill seed %u\n", seed);
  std::atomic<int> inside_saves{0};
  KillTally tallies[2];
  std::thread other(kill_in_folder, second, std::cref(replay), seed + 1, &inside_saves, &tallies[1]);
  kill_in_folder(own_folder(), replay, seed, &inside_saves, &tallies[0]);
  other.join();
  for (const wchar_t* name : {L"\\kotopai.ini", L"\\kotopai.new"}) DeleteFileW(beside(second, name).c_str());
  DeleteFileW(beside(second, own_program()).c_str());
  RemoveDirectoryW(second.c_str());

  KillTally all;
  for (const KillTally& tally : tallies) {
    all.trials += tally.trials;
    for (int kind = 0; kind < 4; ++kind) all.inside[kind] += tally.inside[kind];
    all.copies += tally.copies;
    all.damaged += tally.damaged;
  }
  printf("killed %d times (seed %u): inside the ranking save %d, the name %d, the close %d, between saves %d; "
         "%d left the copy behind; %d damaged files\n",
         all.trials, seed, all.inside[RANKING_SAVE], all.inside[NAME_SAVE], all.inside[CLOSE_SAVE],
         all.inside[NO_SAVE], all.copies, all.damaged);
  EXPECT_EQ(0, all.damaged);
  EXPECT_GE(inside_saves, KILLS_INSIDE_SAVES);

  // The next save writes over a copy a kill left behind, and puts it in place.
  write_settings_bytes(replay.states[0]);
  HWND window = open_main_window();
  close_main_window(window);
  EXPECT_FALSE(exists(copy_path()));
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

// The file as the two copies leave it when nothing is lost: the choices and the
// other program's section as they were, every entry of both copies under its own name
// (ten, each better than every old one), the player's name of whichever copy named
// last, and the place and switches, whole, of whichever closed last. best: the table.
std::vector<std::string> whole_files(RankingTable* best) {
  *best = old_table(2000);
  for (int copy = 0; copy < COPIES; ++copy)
    for (int round = 0; round < COPY_ROUNDS; ++round)
      *best = with_new_entry(*best, copy_seconds(copy, round), copy_name(copy, round).c_str());
  std::vector<std::string> whole;
  for (int named_last = 0; named_last < COPIES; ++named_last)
    for (int closed_last = 0; closed_last < COPIES; ++closed_last)
      whole.push_back(file_text(copy_name(named_last, COPY_ROUNDS - 1).c_str(), copy_place(closed_last, COPY_ROUNDS - 1),
                                closed_last, 1 - closed_last, *best));
  return whole;
}

TEST_F(SavesFromOutside, TwoCopiesSavingAtTheSameMomentsLoseNoEntryAndNoSection) {
  // Every other run the second copy reaches the folder by the tests' prefix's second
  // drive letter, whose Y:\root is Z:\ (scripts/wine-prefix.sh), as by a subst drive.
  const std::wstring second_spelling = L"Y:\\root" + own_program().substr(2);
  ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(second_spelling.c_str()));
  SharedRun shared(own_folder());
  int damaged = 0;
  for (int run = 0; run < COPY_RUNS; ++run) {
    write_settings_bytes(copies_start());
    shared.clear();
    HANDLE copies[COPIES];
    for (int n = 0; n < COPIES; ++n)
      copies[n] = start_child_test(n && run % 2 ? second_spelling : own_program(), L"TwoCopies.DISABLED_OneCopy");
    for (HANDLE copy : copies) {
      ASSERT_NE(nullptr, copy);
      DWORD code = WAIT_TIMEOUT;
      if (WaitForSingleObject(copy, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(copy, &code);
      else TerminateProcess(copy, code);
      CloseHandle(copy);
      EXPECT_EQ(0u, code);
    }
    RankingTable best;
    const std::vector<std::string> whole = whole_files(&best);
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
