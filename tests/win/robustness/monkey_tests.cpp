// A monkey plays the real main window: many random player events over fixed seeds,
// the board checked after each, and no growth of objects or handles at the end.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <deque>
#include <map>
#include "board_checks.h"
#include "box_catcher.h"
#include "deal.h"
#include "main_window_harness.h"
#include "monkey.h"
#include "play_helpers.h"
#include "ranking_expect.h"
#include "resource_counts.h"
#include "shell_open.h"
#include "sound.h"
#include "stopwatch.h"

namespace {

// Every box is answered after a pause of up to 1.5 s, about one event in seventy
// meets one, so a test run plays a few thousand events (about a minute); the full
// run is asked for with KOTOPAI_MONKEY_EVENTS=100000.
constexpr long DEFAULT_EVENTS = 3000;
constexpr long WARM_UP_EVENTS = 500;
constexpr unsigned SEEDS[] = {1, 2718, 31415, 4242, 57721};
constexpr int PAINT_EVERY = 16;
constexpr size_t HISTORY = 25;

std::map<std::string, long> cues;
long shell_opens = 0;
double phase_ms[4] = {};   // events, hint stops, paints, checks
std::map<std::string, double> cost_by_kind;   // milliseconds, by the event's description up to its numbers

long long deal_second = 0;

void count_cue(const char* name) { ++cues[name]; }
int count_open(const wchar_t*, const wchar_t*, const wchar_t*) {
  ++shell_opens;
  return 1;
}
// Deals follow the seeds, not the wall clock, so a failure can be replayed.
long long next_deal_second() { return ++deal_second; }

long events_wanted() {
  const char* asked = getenv("KOTOPAI_MONKEY_EVENTS");
  long events = asked ? atol(asked) : 0;
  return events > 0 ? events : DEFAULT_EVENTS;
}

struct MonkeyTest : testing::Test {
  HWND window = nullptr;
  void SetUp() override {
    write_settings_bytes("[Pos]\r\nX=40\r\nY=40\r\n");
    cue_sink = count_cue;
    shell_opener = count_open;
    deal_clock = next_deal_second;
  }
  void TearDown() override {
    close_main_window(window);
    cue_sink = play_cue_with_platform;
    shell_opener = open_with_shell;
    remove_settings();
  }

  // Runs events of one seed; false (after reporting) at the first fault.
  bool run(Monkey& monkey, const BoxCatcher& catcher, unsigned seed, long events) {
    monkey.random.seed(seed);
    deal_second = seed * 1000003LL;
    std::deque<std::string> history;
    for (long n = 0; n < events; ++n) {
      double t0 = now_ms();
      history.push_back(monkey_event(monkey));
      if (history.size() > HISTORY) history.pop_front();
      double t1 = now_ms();
      if (!settle_hint_worker(monkey)) history.back() += "   <- the hint worker did not end";
      double t2 = now_ms();
      if (n % PAINT_EVERY == 0) pump_messages();
      double t3 = now_ms();
      std::string fault = board_fault();
      if (fault.empty()) fault = monkey_fault(monkey);
      if (fault.empty() && catcher.most_open() > 1) fault = "a box opened inside another's modal loop";
      double t4 = now_ms();
      phase_ms[0] += t1 - t0;
      cost_by_kind[history.back().substr(0, history.back().find_first_of("0123456789"))] += t1 - t0;
      phase_ms[1] += t2 - t1;
      phase_ms[2] += t3 - t2;
      phase_ms[3] += t4 - t3;
      if (history.back().find("<-") != std::string::npos && fault.empty()) fault = "hint worker hung";
      if (!fault.empty()) {
        std::string trail;
        for (const std::string& event : history) trail += "\n  " + event;
        ADD_FAILURE() << "seed " << seed << ", event " << n << ": " << fault << "\nlatest events:" << trail;
        return false;
      }
    }
    return true;
  }
};

TEST_F(MonkeyTest, RandomPlayerEventsKeepTheBoardConsistentAndLeakNothing) {
  Monkey monkey{nullptr, std::mt19937(0), {}};
  BoxCatcher catcher;
  catcher.set_default([&monkey](HWND box) { monkey_box_action(monkey, box); });
  catcher.set_pause([&monkey] { return monkey_pause_ms(monkey); });
  window = open_main_window();
  keep_on_top(window);
  monkey.main = window;
  monkey.ranking = ranking_in_file();
  ASSERT_EQ("", board_fault());

  // The first dialogs and deals load what stays loaded; count only after them.
  ASSERT_TRUE(run(monkey, catcher, 99, WARM_UP_EVENTS));
  pump_messages();
  const ResourceCounts before = resource_counts();
  const DWORD start = GetTickCount();
  const long total = events_wanted();
  const long per_seed = total / static_cast<long>(sizeof SEEDS / sizeof SEEDS[0]);
  for (unsigned seed : SEEDS) ASSERT_TRUE(run(monkey, catcher, seed, per_seed));
  const double seconds = (GetTickCount() - start) / 1000.0;
  pump_messages();
  const ResourceCounts after = resource_counts();

  printf("FIGURE monkey: %ld events in %.1f s (%.0f events/s), %ld shell opens\n", per_seed * 5, seconds,
         per_seed * 5 / seconds, shell_opens);
  for (const auto& [name, count] : cues) printf("  cue %-56s %ld\n", name.c_str(), count);
  printf("FIGURE monkey: GDI objects %ld -> %ld, user objects %ld -> %ld, handles %ld -> %ld\n",
         before.gdi_objects, after.gdi_objects, before.user_objects, after.user_objects, before.handles,
         after.handles);
  printf("FIGURE monkey: ms spent in events %.0f, hint stops %.0f, paints %.0f, checks %.0f\n", phase_ms[0],
         phase_ms[1], phase_ms[2], phase_ms[3]);
  for (const auto& [kind, ms] : cost_by_kind) printf("  ms in %-40s %.0f\n", kind.c_str(), ms);
  for (const auto& [kind, count] : monkey.tally) printf("  %-60s %ld\n", kind.c_str(), count);
  printf("FIGURE monkey: %ld events, %ld boxes (%ld in events begun in a removal delay, %ld with a pair "
         "still on show), %ld nested, %ld ranking entries checked in the file\n",
         monkey.tally["events"], monkey.tally["boxes"], monkey.tally["boxes met in an event begun in a removal delay"],
         monkey.tally["boxes met with a pair still on show"], monkey.tally["nested boxes"],
         monkey.tally["ranking entries checked in the file"]);
  EXPECT_LE(after.gdi_objects, before.gdi_objects + 16);
  EXPECT_LE(after.user_objects, before.user_objects + 4);
  EXPECT_LE(after.handles, before.handles + 16);
  EXPECT_GT(monkey.tally["ranking entries checked in the file"], 0) << "the monkey never cleared a game fast enough";
  EXPECT_TRUE(IsWindow(window));
}

}  // namespace
