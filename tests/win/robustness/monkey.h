// A monkey player: random events of every kind a player can cause, delivered to the
// real main window as the platform would deliver them.
#pragma once
#include <windows.h>
#include <map>
#include <random>
#include <string>

struct Monkey {
  HWND main;
  std::mt19937 random;
  std::map<std::string, long> tally;   // events and outcomes by kind
  int streak = 0;                      // good pairs still to play in a row
};

// Delivers one random event; returns what it was, for a failure report.
std::string monkey_event(Monkey& monkey);

// Stops a hint worker that an event started, the way a key press stops it, and
// waits for it to end; a worker that found the board stuck shows its box from its
// own thread, which is answered here like any other. 0 when the worker would not end.
int settle_hint_worker(Monkey& monkey);

// Answers every message box and dialog on the test's thread: OK, after typing a
// name into the ranking's new entry.
void monkey_box_action(Monkey& monkey, HWND box);
