// Deal statistics from fixed clock seconds: how often one easy build fails, how
// many builds an easy deal needs, how often it falls back to a shuffled deal, how
// often a second deals what the second before dealt, and how long builds and
// deals take.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
#include "deal.h"
#include "fake_platform.h"
#include "rules_support.h"

namespace {

constexpr int RUNS = 100000;
constexpr long long FIRST_SECOND = 1700000000;

long long current_second = FIRST_SECOND;
long long fixed_clock() { return current_second; }

using Clock = std::chrono::steady_clock;

double micros_since(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double percentile(std::vector<double>& values, double share) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

void print_times(const char* what, std::vector<double>& micros) {
  std::printf("  %-28s median %8.1f us   p99 %8.1f us   max %9.1f us\n", what, percentile(micros, 0.5),
              percentile(micros, 0.99), percentile(micros, 1.0));
}

void single_builds() {
  int failed = 0;
  long long tests = 0;
  int most_tests = 0;
  std::vector<int> placed_at_failure;
  std::vector<double> micros;
  micros.reserve(RUNS);
  BuildRecord record;
  for (int run = 0; run < RUNS; ++run) {
    Clock::time_point start = Clock::now();
    int built = build_solvable_deal(FIRST_SECOND + run, 0, PAIR_TEST_LIMIT, &record);
    micros.push_back(micros_since(start));
    tests += record.tests;
    most_tests = std::max(most_tests, record.tests);
    if (!built) {
      ++failed;
      placed_at_failure.push_back(record.placed);
    }
  }
  std::printf("Single easy builds (attempt 0, one clock second each)\n");
  std::printf("  %-28s %d\n", "builds", RUNS);
  std::printf("  %-28s %d (%.3f %%)\n", "failed", failed, 100.0 * failed / RUNS);
  std::printf("  %-28s %.1f (most %d of %d)\n", "candidate tests per build", static_cast<double>(tests) / RUNS,
              most_tests, PAIR_TEST_LIMIT);
  if (!placed_at_failure.empty()) {
    std::sort(placed_at_failure.begin(), placed_at_failure.end());
    std::printf("  %-28s lowest %d, median %d, highest %d\n", "pairs placed when failing", placed_at_failure.front(),
                placed_at_failure[placed_at_failure.size() / 2], placed_at_failure.back());
  }
  print_times("time per build", micros);
}

void whole_deals() {
  std::vector<int> builds_needed(DEAL_ATTEMPTS + 2, 0);
  std::vector<double> micros;
  micros.reserve(RUNS);
  std::vector<int> previous;
  int repeated = 0;
  BuildRecord record;
  fake::reset();
  for (int run = 0; run < RUNS; ++run) {
    current_second = FIRST_SECOND + 500000 + run;
    Clock::time_point start = Clock::now();
    new_deal(nullptr, MODE_EASY);
    micros.push_back(micros_since(start));
    int attempt = replay_easy_deal(&record);
    ++builds_needed[attempt < 0 ? DEAL_ATTEMPTS + 1 : attempt + 1];
    std::vector<int> dealt(deal_table, deal_table + TILE_COUNT);
    repeated += dealt == previous;
    previous = dealt;
  }
  int fell_back = static_cast<int>(fake::boxes().size());
  std::printf("\nWhole easy deals (new_deal, one clock second each)\n");
  std::printf("  %-28s %d\n", "deals", RUNS);
  std::printf("  %-28s %d\n", "fell back to the message", fell_back);
  std::printf("  %-28s %d\n", "same as the second before", repeated);
  for (int n = 1; n <= DEAL_ATTEMPTS; ++n) {
    if (builds_needed[n]) std::printf("  %-28s %d\n", (std::to_string(n) + (n == 1 ? " build" : " builds")).c_str(), builds_needed[n]);
  }
  print_times("time per deal", micros);
}

}  // namespace

int main() {
  board_reset();
  layout_cells();
  deal_clock = fixed_clock;
  single_builds();
  whole_deals();
  return 0;
}
