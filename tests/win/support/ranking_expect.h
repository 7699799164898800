// The ranking table in the settings file, and what it must be after one new entry:
// the entries below it one row further down, the tenth gone, nothing else changed.
#pragma once
#include <string>
#include "ranking_table.h"

RankingTable ranking_in_file();
// before with one new entry of today, by the game's own insertion rule (tested on its
// own); the row it took goes to row when given.
RankingTable with_new_entry(const RankingTable& before, int seconds, const char* name, int* row = nullptr);
// "" when the tables agree, else the first row that differs, both ways.
std::string ranking_difference(const RankingTable& expected, const RankingTable& actual);
