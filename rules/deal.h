// Making deals: a plain shuffle, or an easy deal built pair by pair so that
// taking the pairs in build order clears the board.
#pragma once
#include "platform.h"

enum GameMode {
  MODE_NORMAL = 0,
  MODE_EASY = 1,
};

constexpr int DEAL_ATTEMPTS = 100;
constexpr int PAIR_TEST_LIMIT = 2000;

// The clock that seeds every deal, in whole seconds. Tests and benchmarks may
// point it elsewhere; it starts as the calendar time.
extern long long (*deal_clock)();

void new_deal(WindowHandle owner, int mode);
void random_ranking(int* values, int count);
int slots_apart(int a, int b);
