// A monkey player: random events of every kind a player can cause, delivered to the
// real main window as the platform would deliver them, and answering every box
// after a pause, as a person who reads it first.
#pragma once
#include <windows.h>
#include <map>
#include <random>
#include <string>
#include "ranking_table.h"

struct Monkey {
  HWND main;
  std::mt19937 random;
  std::map<std::string, long> tally;   // events and outcomes by kind
  int streak = 0;                      // good pairs still to play in a row
  bool event_in_delay = false;         // the current event began with a pair on show
  std::string fault;                   // the first fault met inside a box
  RankingTable ranking{};              // the table the settings file must hold
  std::string player;                  // the name it must offer next,
  bool player_known = false;           // once an entry was named
  std::string file_seen;               // the settings file when the table was last compared
};

// Delivers one random event; returns what it was, for a failure report.
std::string monkey_event(Monkey& monkey);

// Stops a hint worker that an event started, the way a key press stops it; on a
// stuck board it first lets the worker end and its box come, answered like any
// other. 0 when that worker would not end.
int settle_hint_worker(Monkey& monkey);

// How long a person looks at a box before answering it: 0 to 1.5 s.
UINT monkey_pause_ms(Monkey& monkey);
// Answers a message box or dialog on the test's thread: OK, after typing a name into
// the ranking's new entry. Checks on the way that it is the only box and that the
// main window takes no input under it, and what the ranking table must now be.
void monkey_box_action(Monkey& monkey, HWND box);

// "" when what must hold between events holds: no box left open, the main window
// taking input, and the ranking table in the file as the entries made it.
std::string monkey_fault(Monkey& monkey);
