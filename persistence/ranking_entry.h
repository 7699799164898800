// A cleared game's entry in the ranking: made and written at once, and its name
// kept later, wherever the entry stands in the file by then.
#pragma once
#include "ranking_table.h"

// The entry as it was written: where it went and what it was written with.
struct RankingEntry {
  int row;                        // RANKING_NO_ROW when the time took no row
  char name[RANKING_NAME_SIZE];   // the name the file holds for it
  RankingDate date;
  int seconds;
};

// Puts the time into the table read from the file, under the player's name and
// today's date, and writes the whole table back; table is left as written.
RankingEntry ranking_enter(int seconds, RankingTable* table);

// The row that holds the entry in table, or RANKING_NO_ROW when it is gone.
int ranking_find(const RankingTable* table, const RankingEntry* entry);

// name becomes the player's name, and the entry's where the file still holds it.
void ranking_keep_name(RankingEntry* entry, const char* name);

// The table as one save left it, for the view.
void ranking_read(RankingTable* table);
