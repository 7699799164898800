// The ten best times: the table, its place in the settings file and the insertion rule.
#pragma once
#include <windows.h>

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

// Where ranking_enter takes today's date from; tests may point it at a fixed day.
extern void (WINAPI* ranking_local_time)(LPSYSTEMTIME);

void ranking_section(int row, char* section /* at least 10 bytes */);
void ranking_load(RankingTable* table);
void ranking_save(const RankingTable* table);
int ranking_new_row(const RankingTable* table, int seconds);
int ranking_insert(RankingTable* table, int seconds, const char* name, RankingDate date);
RankingDate ranking_today();

// The texts of a row's date and time boxes (buffers of at least 40 bytes).
void ranking_format_date(const RankingTable* table, int row, char* text);
void ranking_format_time(int seconds, char* text);
