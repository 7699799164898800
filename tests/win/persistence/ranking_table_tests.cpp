// The ranking's qualification test, its insertion rule and what it leaves in the file.
#include <gtest/gtest.h>
#include <windows.h>

#include "dialog_checks.h"
#include "main_window_harness.h"
#include "ranking_table.h"
#include "settings.h"

namespace {

class Ranking : public testing::Test {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override { remove_settings(); }
  static RankingTable loaded() {
    RankingTable table;
    ranking_load(&table, SETTINGS_FILE_NAME);
    return table;
  }
};

TEST_F(Ranking, WithoutAFileTheTableIsTheDefaultOne) { expect_same_ranking(default_ranking(), loaded()); }

TEST_F(Ranking, ATimeQualifiesWhenStrictlyBelowTheTenthAsUnsigned) {
  EXPECT_EQ(1, ranking_qualifies(3599));  // a file without ranking keys: an hour is the bar
  EXPECT_EQ(0, ranking_qualifies(3600));
  ini_put_string("Ranking10", "SECOND", "720", SETTINGS_FILE_NAME);
  EXPECT_EQ(1, ranking_qualifies(719));
  EXPECT_EQ(0, ranking_qualifies(720));
  EXPECT_EQ(1, ranking_qualifies(0));
  EXPECT_EQ(0, ranking_qualifies(-1));
  ini_put_string("Ranking10", "SECOND", "-1", SETTINGS_FILE_NAME);
  EXPECT_EQ(1, ranking_qualifies(100000));
}

TEST_F(Ranking, AnEqualTimeGoesBelowTheEntryItTiesWithAtEveryRank) {
  for (int rank = 0; rank < RANKING_SIZE; ++rank) {
    const RankingTable before = default_ranking();
    RankingTable table = before;
    const int seconds = table.seconds[rank];
    const int row = ranking_insert(&table, seconds, "New", {2026, 12, 7});
    SCOPED_TRACE(rank);
    if (rank == RANKING_SIZE - 1) {
      EXPECT_EQ(RANKING_NO_ROW, row);
      expect_same_ranking(before, table);
      continue;
    }
    EXPECT_EQ(rank + 1, row);
    EXPECT_STREQ(before.names[rank], table.names[rank]);
    EXPECT_STREQ("New", table.names[rank + 1]);
    EXPECT_EQ(seconds, table.seconds[rank + 1]);
    for (int below = rank + 2; below < RANKING_SIZE; ++below)
      EXPECT_STREQ(before.names[below - 1], table.names[below]);  // the tenth drops out
  }
}

TEST_F(Ranking, ANewBestTimeTakesTheFirstRowAndPushesTheRestDown) {
  const RankingTable before = default_ranking();
  RankingTable table = before;
  EXPECT_EQ(0, ranking_insert(&table, 179, "Best", {2026, 3, 7}));
  EXPECT_STREQ("Best", table.names[0]);
  EXPECT_EQ("2026 3 7 179", std::to_string(table.years[0]) + " " + std::to_string(table.months[0]) + " " +
                                std::to_string(table.days[0]) + " " + std::to_string(table.seconds[0]));
  for (int row = 1; row < RANKING_SIZE; ++row) {
    EXPECT_STREQ(before.names[row - 1], table.names[row]);
    EXPECT_EQ(before.seconds[row - 1], table.seconds[row]);
  }
}

TEST_F(Ranking, TheTextsOfTheDateAndTimeBoxes) {
  RankingTable table = default_ranking();
  table.years[0] = 2009;
  table.months[0] = 3;
  table.days[0] = 7;
  table.years[1] = 12345;
  char text[40];
  ranking_format_date(&table, 0, text);
  EXPECT_STREQ("2009,03,07", text);
  ranking_format_date(&table, 1, text);
  EXPECT_STREQ("12345,01,01", text);
  ranking_format_time(754, text);
  EXPECT_STREQ("00:12:34", text);
  ranking_format_time(3600 * 123 + 61, text);
  EXPECT_STREQ("123:01:01", text);
}

TEST_F(Ranking, SavingWritesEveryKeyInRankOrderAndReadsBackTheSame) {
  RankingTable table = default_ranking();
  ranking_insert(&table, 200, "たろう", {2026, 12, 7});
  ranking_save(&table, SETTINGS_FILE_NAME);
  EXPECT_EQ(ranking_file_text(table), read_settings_text());
  expect_same_ranking(table, loaded());
}

TEST_F(Ranking, HandEditedValuesAreShownAndComparedUnchanged) {
  write_settings_text("[Ranking01]\r\nNAME=\r\nSECOND=junk\r\n[Ranking02]\r\nYEAR=-5\r\nSECOND=100\r\n");
  const RankingTable table = loaded();
  EXPECT_STREQ("", table.names[0]);
  EXPECT_EQ(180, table.seconds[0]);
  EXPECT_EQ(-5, table.years[1]);
  EXPECT_EQ(2, ranking_new_row(&table, 150));  // out of order: the bottom-up scan decides
}

}  // namespace
