// The ranking's qualification test, its insertion rule and what it leaves in the file.
#include <gtest/gtest.h>
#include <windows.h>

#include "ranking.h"
#include "settings.h"
#include "settings_files.h"

namespace {

const char* const DEFAULT_NAMES[RANKING_SIZE] = {"Alice", "Betty",  "Chris", "Dolly", "Ellie",
                                                 "Frances", "Gertie", "Helen", "Irene", "Jenny"};

class Ranking : public testing::Test {
 protected:
  void SetUp() override { remove_settings(); }
  void TearDown() override { remove_settings(); }
  static RankingTable loaded() {
    RankingTable table;
    ranking_load(&table);
    return table;
  }
  static RankingTable default_table() {
    RankingTable table;
    for (int row = 0; row < RANKING_SIZE; ++row) {
      strcpy(table.names[row], DEFAULT_NAMES[row]);
      table.years[row] = 2002;
      table.months[row] = 1;
      table.days[row] = 1;
      table.seconds[row] = 180 + 60 * row;
    }
    return table;
  }
};

TEST_F(Ranking, WithoutAFileTheTableIsTheDefaultOne) {
  const RankingTable table = loaded();
  const RankingTable expected = default_table();
  for (int row = 0; row < RANKING_SIZE; ++row) {
    EXPECT_STREQ(expected.names[row], table.names[row]);
    EXPECT_EQ(2002, table.years[row]);
    EXPECT_EQ(1, table.months[row]);
    EXPECT_EQ(1, table.days[row]);
    EXPECT_EQ(expected.seconds[row], table.seconds[row]);
  }
}

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
    RankingTable table = default_table();
    const int seconds = table.seconds[rank];
    const int row = ranking_insert(&table, seconds, "New", {2026, 12, 7});
    SCOPED_TRACE(rank);
    if (rank == RANKING_SIZE - 1) {
      EXPECT_EQ(RANKING_NO_ROW, row);
      EXPECT_STREQ("Jenny", table.names[9]);
      continue;
    }
    EXPECT_EQ(rank + 1, row);
    EXPECT_STREQ(DEFAULT_NAMES[rank], table.names[rank]);
    EXPECT_STREQ("New", table.names[rank + 1]);
    EXPECT_EQ(seconds, table.seconds[rank + 1]);
    for (int below = rank + 2; below < RANKING_SIZE; ++below)
      EXPECT_STREQ(DEFAULT_NAMES[below - 1], table.names[below]);  // Jenny drops out
  }
}

TEST_F(Ranking, ANewBestTimeTakesTheFirstRowAndPushesTheRestDown) {
  RankingTable table = default_table();
  EXPECT_EQ(0, ranking_insert(&table, 179, "Best", {2026, 3, 7}));
  EXPECT_STREQ("Best", table.names[0]);
  EXPECT_EQ(2026, table.years[0]);
  EXPECT_EQ(3, table.months[0]);
  EXPECT_EQ(7, table.days[0]);
  EXPECT_EQ(179, table.seconds[0]);
  for (int row = 1; row < RANKING_SIZE; ++row) {
    EXPECT_STREQ(DEFAULT_NAMES[row - 1], table.names[row]);
    EXPECT_EQ(180 + 60 * (row - 1), table.seconds[row]);
  }
}

TEST_F(Ranking, TheTextsOfTheDateAndTimeBoxes) {
  RankingTable table = default_table();
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
  RankingTable table = default_table();
  ranking_insert(&table, 200, "たろう", {2026, 12, 7});
  ranking_save(&table);
  std::string expected;
  for (int row = 0; row < RANKING_SIZE; ++row) {
    char section[64];
    sprintf(section, "[Ranking%02d]\r\nNAME=%s\r\nYEAR=%d\r\nMONTH=%d\r\nDAY=%d\r\nSECOND=%d\r\n", row + 1,
            table.names[row], table.years[row], table.months[row], table.days[row], table.seconds[row]);
    expected += section;
  }
  EXPECT_EQ(expected, settings_text());
  const RankingTable back = loaded();
  for (int row = 0; row < RANKING_SIZE; ++row) {
    EXPECT_STREQ(table.names[row], back.names[row]);
    EXPECT_EQ(table.years[row], back.years[row]);
    EXPECT_EQ(table.months[row], back.months[row]);
    EXPECT_EQ(table.days[row], back.days[row]);
    EXPECT_EQ(table.seconds[row], back.seconds[row]);
  }
}

TEST_F(Ranking, HandEditedValuesAreShownAndComparedUnchanged) {
  write_settings("[Ranking01]\r\nNAME=\r\nSECOND=junk\r\n[Ranking02]\r\nYEAR=-5\r\nSECOND=100\r\n");
  const RankingTable table = loaded();
  EXPECT_STREQ("", table.names[0]);
  EXPECT_EQ(180, table.seconds[0]);
  EXPECT_EQ(-5, table.years[1]);
  EXPECT_EQ(2, ranking_new_row(&table, 150));  // out of order: the bottom-up scan decides
}

}  // namespace
