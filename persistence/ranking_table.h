// The ten best times: the table, its place in the settings file and the insertion rule.
#pragma once

constexpr int RANKING_SIZE = 10;
constexpr int RANKING_NAME_SIZE = 32;
constexpr int RANKING_NO_ROW = RANKING_SIZE;  // a time that took no row

struct RankingTable {
  char names[RANKING_SIZE][RANKING_NAME_SIZE];
  int years[RANKING_SIZE];
  int months[RANKING_SIZE];
  int days[RANKING_SIZE];
  int seconds[RANKING_SIZE];
};

struct RankingDate {
  int year, month, day;
};

// 1 when a cleared game's time enters the ranking: below the stored tenth time.
int ranking_qualifies(int seconds);
void ranking_section(int row, char* section /* at least 10 bytes */);
// The table as the file of that name beside the program holds it (the settings file,
// or a save's copy of it).
void ranking_load(RankingTable* table, const char* file_name);
// All 50 keys into that file; 1 when every one was written.
int ranking_save(const RankingTable* table, const char* file_name);
int ranking_new_row(const RankingTable* table, int seconds);
int ranking_insert(RankingTable* table, int seconds, const char* name, RankingDate date);
RankingDate ranking_today();   // the local date

// The texts of a row's date and time boxes (buffers of at least 40 bytes).
void ranking_format_date(const RankingTable* table, int row, char* text);
void ranking_format_time(int seconds, char* text);
