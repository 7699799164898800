// The hint: scan order and marks, drawn by the main window's thread, the stuck
// message, the dropped pick, and the cooperative stop in every phase of the worker.
#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <thread>
#include <vector>
#include "hint.h"
#include "rules_fixture.h"

namespace {

WindowHandle const MAIN_WINDOW = fake_window(999);

struct HintTest : RulesTest {
  void SetUp() override {
    RulesTest::SetUp();
    empty_deal_area();
  }
};

void tile(int slot, int tile_id, int state = TILE_IN_PLACE) {
  slot_cell(slot).tile_id = tile_id;
  slot_cell(slot).state = state;
}

// Three joinable tiles of face 0, one pair of face 1 and a removed third tile of
// face 1 that must never light up.
void three_and_two() {
  tile(0, 0);
  tile(5, 36);
  tile(10, 72);
  tile(20, 1);
  tile(21, 37);
  tile(30, 73, TILE_REMOVED);
}

bool scan_finished() { return !fake::thread_running(hint_thread); }

int lit_tiles() {
  int lit = 0;
  for (int id = 0; id < TILE_COUNT; ++id) lit += fake::look(IDB_PAI_FIRST + id) == MARK_HINT;
  return lit;
}

// Draws the steps the worker handed over, as the main window's thread does when it
// takes them from its queue.
void show_pairs(const std::vector<fake::PairReport>& steps) {
  for (const fake::PairReport& r : steps) hint_show_pair(r.hint, r.first, r.second, r.lit);
}

std::vector<fake::PairReport> take_pairs() {
  std::vector<fake::PairReport> steps = fake::take_pair_reports();
  show_pairs(steps);
  return steps;
}

// Runs hint_stop on another thread and tells whether it came back in time.
bool stop_returns_within(int ms) {
  auto done = std::make_shared<std::atomic<bool>>(false);
  std::thread([done] {
    hint_stop();
    done->store(true);
  }).detach();
  return fake::wait_until([&] { return done->load(); }, ms);
}

struct Mark {
  int slot, from_a, from_b, to;
};

}  // namespace

TEST_F(HintTest, LightsEveryRemovablePairInScanOrder) {
  three_and_two();
  fake::set_wait_mode(fake::WaitMode::instant);
  hint_start(MAIN_WINDOW);
  ASSERT_TRUE(fake::wait_until(scan_finished));
  for (const fake::PairReport& r : take_pairs()) EXPECT_EQ(MAIN_WINDOW, r.main_window);
  hint_stop();
  const int pairs[4][2] = {{5, 0}, {10, 0}, {10, 5}, {21, 20}};
  std::vector<Mark> expected;
  for (auto& pair : pairs) {
    expected.push_back(Mark{pair[0], MARK_NORMAL, MARK_SELECTED, MARK_HINT});
    expected.push_back(Mark{pair[1], MARK_NORMAL, MARK_SELECTED, MARK_HINT});
    expected.push_back(Mark{pair[0], MARK_HINT, 0, MARK_NORMAL});
    expected.push_back(Mark{pair[1], MARK_HINT, 0, MARK_NORMAL});
  }
  auto recolors = fake::recolors();
  ASSERT_EQ(recolors.size(), expected.size());
  for (size_t k = 0; k < expected.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(recolors[k].window, fake_window(expected[k].slot));
    EXPECT_EQ(recolors[k].image_id, IDB_PAI_FIRST + slot_cell(expected[k].slot).tile_id);
    EXPECT_EQ(recolors[k].a, expected[k].from_a);
    EXPECT_EQ(recolors[k].b, expected[k].from_b);
    EXPECT_EQ(recolors[k].d, expected[k].to);
    EXPECT_EQ(recolors[k].draw, 1);
  }
  EXPECT_EQ(fake::waits(), (std::vector<int>{1000, 500, 1000, 500, 1000, 500, 1000, 500}));
  EXPECT_TRUE(fake::boxes().empty());
  EXPECT_EQ(lit_tiles(), 0);
  EXPECT_EQ(hint_thread, nullptr);
}

TEST_F(HintTest, DropsThePickBeforeTheScan) {
  tile(3, 3, TILE_SELECTED);
  tile(40, 39);
  selected_slot = 3;
  fake::set_wait_mode(fake::WaitMode::instant);
  hint_start(MAIN_WINDOW);
  ASSERT_TRUE(fake::wait_until(scan_finished));
  EXPECT_EQ(selected_slot, NO_SELECTION);
  EXPECT_EQ(slot_cell(3).state, TILE_IN_PLACE);
  auto recolors = fake::recolors();
  ASSERT_GE(recolors.size(), 1u);
  EXPECT_EQ(recolors[0].window, fake_window(3));
  EXPECT_EQ(recolors[0].a, MARK_SELECTED);
  EXPECT_EQ(recolors[0].d, MARK_NORMAL);
  EXPECT_EQ(recolors[0].draw, 1);
}

// The worker hands its verdict to the main window's thread, which shows the box
// only while that hint is still the current one: a stop (every key, command and
// first pick) or a new hint in between drops it, also a stop that comes before the
// worker has even begun.
TEST_F(HintTest, StuckBoardIsReportedAtOnceWithoutMarksWhileTheHintIsCurrent) {
  tile(0, 0);
  tile(1, 1);  // two tiles, different faces
  fake::set_wait_mode(fake::WaitMode::until_stop);
  enum After { NOTHING, A_STOP, A_NEW_HINT, A_STOP_BEFORE_THE_WORKER_RUNS };
  for (After after : {NOTHING, A_STOP, A_NEW_HINT, A_STOP_BEFORE_THE_WORKER_RUNS}) {
    SCOPED_TRACE(after);
    fake::clear_records();
    fake::set_threads_start_late(after == A_STOP_BEFORE_THE_WORKER_RUNS);
    hint_start(MAIN_WINDOW);
    if (after == A_STOP_BEFORE_THE_WORKER_RUNS) hint_stop();   // F2 or Space at once
    ASSERT_TRUE(fake::wait_until(scan_finished));
    EXPECT_TRUE(fake::boxes().empty());   // not from the worker's thread
    EXPECT_TRUE(take_pairs().empty());
    EXPECT_TRUE(fake::recolors().empty());
    auto reports = fake::stuck_reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(MAIN_WINDOW, reports[0].main_window);
    if (after == A_STOP) hint_stop();
    if (after == A_NEW_HINT) hint_start(MAIN_WINDOW);
    hint_show_stuck(MAIN_WINDOW, reports[0].hint);
    auto boxes = fake::boxes();
    if (after == NOTHING) {
      ASSERT_EQ(1u, boxes.size());
      expect_box(boxes[0], MAIN_WINDOW, "手詰まりです。", "手詰まり");
    } else {
      EXPECT_TRUE(boxes.empty());
    }
    hint_stop();
  }
}

TEST_F(HintTest, EmptyBoardShowsNothing) {
  for (int s = 0; s < TILE_COUNT; ++s) tile(s, s, TILE_REMOVED + s / 2);
  hint_start(MAIN_WINDOW);
  ASSERT_TRUE(fake::wait_until(scan_finished));
  EXPECT_TRUE(fake::stuck_reports().empty());
  EXPECT_TRUE(take_pairs().empty());
  EXPECT_TRUE(fake::recolors().empty());
}

// Whenever the stop comes, it returns, and no tile stays lit: a lit pair is wiped,
// and a step handed over before the stop and taken after it never lands.
TEST_F(HintTest, AStopReturnsAndLeavesNoTileLitNowOrLater) {
  enum When { PAIR_LIT_IN_A_WAIT, PAIR_NOT_YET_DRAWN, LAST_STEP_NOT_YET_DRAWN };
  for (When when : {PAIR_LIT_IN_A_WAIT, PAIR_NOT_YET_DRAWN, LAST_STEP_NOT_YET_DRAWN}) {
    SCOPED_TRACE(when);
    fake::reset();
    three_and_two();
    std::vector<fake::PairReport> late;
    if (when == LAST_STEP_NOT_YET_DRAWN) {
      fake::set_wait_mode(fake::WaitMode::instant);
      hint_start(MAIN_WINDOW);
      ASSERT_TRUE(fake::wait_until(scan_finished));
      std::vector<fake::PairReport> steps = fake::take_pair_reports();
      ASSERT_FALSE(steps.empty());
      late.push_back(steps.back());
      steps.pop_back();
      show_pairs(steps);
    } else {
      fake::set_wait_mode(fake::WaitMode::until_stop);
      hint_start(MAIN_WINDOW);
      ASSERT_TRUE(fake::wait_until([] { return fake::waits().size() == 1; }));
      if (when == PAIR_LIT_IN_A_WAIT) take_pairs();
    }
    const bool lit_at_the_stop = when != PAIR_NOT_YET_DRAWN;
    EXPECT_EQ(lit_tiles(), lit_at_the_stop ? 2 : 0);
    size_t before = fake::recolors().size();
    ASSERT_TRUE(stop_returns_within(10000));
    EXPECT_EQ(hint_thread, nullptr);
    EXPECT_EQ(lit_tiles(), 0);
    show_pairs(late);
    take_pairs();
    EXPECT_EQ(lit_tiles(), 0);
    // After the stop only the wipe of all 144 tiles was drawn, and only over a lit pair.
    auto recolors = fake::recolors();
    ASSERT_EQ(recolors.size(), before + (lit_at_the_stop ? TILE_COUNT : 0));
    for (size_t k = before; k < recolors.size(); ++k) {
      EXPECT_EQ(recolors[k].a, MARK_HINT);
      EXPECT_EQ(recolors[k].d, MARK_NORMAL);
    }
  }
}

// While a stop waits for the worker, a message sent to the window may stop the
// hint again, or stop it and start a new one (the hint command): the nested stop
// also waits for the worker's end and wipes its marks, every worker's handle is
// released exactly once, and when the outer stop returns no worker runs, for its
// caller goes on to change the board.
TEST_F(HintTest, AStopInsideAStopWaitsForTheSameWorkerAndReleasesItOnce) {
  for (bool restart : {false, true}) {
    SCOPED_TRACE(restart ? "stop and start inside" : "stop inside");
    fake::reset();
    three_and_two();
    fake::set_wait_mode(fake::WaitMode::until_stop);
    hint_start(MAIN_WINDOW);
    ASSERT_TRUE(fake::wait_until([] { return fake::waits().size() == 1; }));
    take_pairs();
    ASSERT_EQ(2, lit_tiles());
    int lit_after_inner_stop = -1;
    fake::set_wait_action([&] {
      hint_stop();
      lit_after_inner_stop = lit_tiles();
      if (restart) hint_start(MAIN_WINDOW);
    });
    hint_stop();
    take_pairs();   // the nested hint's first pair, if it asked for it
    EXPECT_EQ(0, lit_after_inner_stop);
    EXPECT_EQ(nullptr, hint_thread);
    EXPECT_EQ(0, lit_tiles());
    EXPECT_EQ(0, fake::live_threads());
    EXPECT_EQ(0, fake::released_handle_uses());
  }
}

TEST_F(HintTest, ManyStartsAndStopsNeitherHangNorLeaveMarks) {
  three_and_two();
  std::mt19937 rng(3);
  for (int cycle = 0; cycle < 1000; ++cycle) {
    hint_start(MAIN_WINDOW);
    if (rng() % 4 == 0) std::this_thread::sleep_for(std::chrono::microseconds(rng() % 300));
    if (rng() % 2 == 0) take_pairs();
    hint_stop();
    take_pairs();
    ASSERT_EQ(lit_tiles(), 0) << "cycle " << cycle;
  }
  EXPECT_EQ(hint_thread, nullptr);
}

TEST_F(HintTest, ThreadThatCannotStartIsReported) {
  three_and_two();
  fake::set_thread_start_fails(true);
  hint_start(MAIN_WINDOW);
  EXPECT_EQ(hint_thread, nullptr);
  auto boxes = fake::boxes();
  ASSERT_EQ(boxes.size(), 1u);
  expect_box(boxes[0], MAIN_WINDOW, "スレッドの作成に失敗しました。", "失敗");
  hint_stop();
  EXPECT_TRUE(fake::recolors().empty());
}

TEST_F(HintTest, StopWithoutAWorkerDoesNothing) {
  hint_stop();
  EXPECT_TRUE(fake::recolors().empty());
  three_and_two();
  fake::set_wait_mode(fake::WaitMode::instant);
  hint_start(MAIN_WINDOW);
  ASSERT_TRUE(fake::wait_until(scan_finished));
  take_pairs();
  fake::clear_records();
  hint_stop();  // finished by itself: its marks are already gone
  EXPECT_TRUE(fake::recolors().empty());
}
