// The ranking table in the settings file, and what it must be after one new entry:
// the entries below it one row further down, the tenth gone, nothing else changed.
#pragma once
#include <string>
#include "ranking_table.h"

RankingTable ranking_in_file();
// before with one new entry of today, by the game's own insertion rule (tested on its
// own); the row it took goes to row when given.
RankingTable with_new_entry(const RankingTable& before, int seconds, const char* name, int* row = nullptr);
// The exact bytes that saving a table leaves in a file that had no ranking: every
// key, in rank order.
std::string ranking_file_text(const RankingTable& table);
// "" when the tables agree, else the first row that differs, both ways.
std::string ranking_difference(const RankingTable& expected, const RankingTable& actual);
