// A cleared game's entry in the ranking: made and written at once, and its name
// kept later, wherever the entry stands in the file by then.
#include "ranking_entry.h"

#include <cstring>

#include "settings.h"

constexpr const char* DEFAULT_PLAYER = "Player1";

// The whole table reaches the file before anyone types: the entry is kept under the
// last player's name even if a name is never confirmed.
RankingEntry ranking_enter(int seconds, RankingTable* table) {
  RankingEntry entry = {RANKING_NO_ROW, "", ranking_today(), seconds};
  char player[RANKING_NAME_SIZE];
  ini_get_string("PLAYER", "NAME", DEFAULT_PLAYER, player, sizeof player, SETTINGS_FILE_NAME);
  ranking_load(table);
  entry.row = ranking_insert(table, seconds, player, entry.date);
  if (entry.row != RANKING_NO_ROW) std::memcpy(entry.name, table->names[entry.row], RANKING_NAME_SIZE);
  ranking_save(table);
  return entry;
}

static int holds(const RankingTable* table, int row, const RankingEntry* entry) {
  return table->seconds[row] == entry->seconds && table->years[row] == entry->date.year &&
         table->months[row] == entry->date.month && table->days[row] == entry->date.day &&
         std::strcmp(table->names[row], entry->name) == 0;
}

// Another copy of the program writes the same file, and its better times push this
// entry down or out. So the entry's own row is looked at first, then the rows below
// it, where such a push takes it, and the rows above last.
int ranking_find(const RankingTable* table, const RankingEntry* entry) {
  if (entry->row < 0 || entry->row >= RANKING_SIZE) return RANKING_NO_ROW;
  for (int step = 0; step < RANKING_SIZE; ++step) {
    const int row = (entry->row + step) % RANKING_SIZE;
    if (holds(table, row, entry)) return row;
  }
  return RANKING_NO_ROW;
}

// The name is read back as the file now holds it, so the entry is found again
// should the name be kept a second time (OK after the session's end).
void ranking_keep_name(RankingEntry* entry, const char* name) {
  if (entry->row == RANKING_NO_ROW) return;
  ini_put_string("PLAYER", "NAME", name, SETTINGS_FILE_NAME);
  RankingTable table;
  ranking_load(&table);
  const int row = ranking_find(&table, entry);
  if (row == RANKING_NO_ROW) return;
  char section[16];
  ranking_section(row, section);
  ini_put_string(section, "NAME", name, SETTINGS_FILE_NAME);
  ini_get_string(section, "NAME", "", entry->name, RANKING_NAME_SIZE, SETTINGS_FILE_NAME);
}
