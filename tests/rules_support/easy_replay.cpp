// Finding the build behind an easy deal by building it again: a deal takes the
// first attempt of its second that succeeds, so each second has one candidate.
#include <algorithm>
#include "deal.h"
#include "rules_support.h"

int replay_easy_deal(BuildRecord* record) {
  int dealt[TILE_COUNT];
  std::copy(deal_table, deal_table + TILE_COUNT, dealt);
  long long now = deal_clock();
  int found = -1;
  for (long long second = now; second >= now - 1 && found < 0; --second) {
    for (int attempt = 0; attempt < DEAL_ATTEMPTS; ++attempt) {
      if (!build_solvable_deal(second, attempt, PAIR_TEST_LIMIT, record)) continue;
      if (std::equal(dealt, dealt + TILE_COUNT, deal_table)) found = attempt;
      break;
    }
  }
  std::copy(dealt, dealt + TILE_COUNT, deal_table);
  restore_deal();
  return found;
}
