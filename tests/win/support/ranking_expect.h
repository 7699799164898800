// The ranking table in the settings file, and what it must be after one new entry:
// the entries below it one row further down, the tenth gone, nothing else changed.
#pragma once
#include <string>
#include "ranking_table.h"

RankingTable ranking_in_file();
// The row a time takes in an ordered table: below every entry as fast or faster.
int row_for_time(const RankingTable& table, int seconds);
// before with name (as stored), today's date and seconds entered at row.
RankingTable with_new_entry(const RankingTable& before, int row, const std::string& name, int seconds);
// "" when the tables agree, else the first row that differs, both ways.
std::string ranking_difference(const RankingTable& expected, const RankingTable& actual);
