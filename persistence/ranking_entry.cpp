// A cleared game's entry in the ranking: made and written at once, and its name
// kept later, wherever the entry stands in the file by then.
#include "ranking_entry.h"

#include <cstring>
#include <string>

#include "ini_encoding.h"
#include "program_path.h"
#include "settings.h"
#include "settings_lock.h"
#include "settings_save.h"

constexpr const char* DEFAULT_PLAYER = "Player1";

// The time put into the table that the file of that name holds, under the player's name.
static void enter_into(RankingTable* table, RankingEntry* entry, const char* file_name) {
  char player[RANKING_NAME_SIZE];
  ini_get_string("PLAYER", "NAME", DEFAULT_PLAYER, player, sizeof player, file_name);
  ranking_load(table, file_name);
  entry->row = ranking_insert(table, entry->seconds, player, entry->date);
  if (entry->row != RANKING_NO_ROW) std::memcpy(entry->name, table->names[entry->row], RANKING_NAME_SIZE);
}

// The whole table reaches the file before anyone types: the entry is kept under the
// last player's name even if a name is never confirmed. Read and written in one save,
// so no other copy of the game writes its own table between the two.
RankingEntry ranking_enter(int seconds, RankingTable* table) {
  RankingEntry entry = {RANKING_NO_ROW, "", ranking_today(), seconds};
  bool entered = false;
  settings_save([&](const char* file_name) {
    enter_into(table, &entry, file_name);
    entered = true;
    return ranking_save(table, file_name);
  });
  // With no copy to save into, the entry is shown all the same, and lost as any save
  // to an unwritable file is.
  if (!entered) enter_into(table, &entry, SETTINGS_FILE_NAME);
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

// The entry is found and named in one save. The name is read back as the file then
// holds it, so the entry is found again should the name be kept a second time (OK
// after the session's end).
void ranking_keep_name(RankingEntry* entry, const char* name) {
  if (entry->row == RANKING_NO_ROW) return;
  char kept[RANKING_NAME_SIZE] = "";
  bool found = false;
  const int saved = settings_save([&](const char* file_name) {
    int written = ini_put_string("PLAYER", "NAME", name, file_name);
    RankingTable table;
    ranking_load(&table, file_name);
    const int row = ranking_find(&table, entry);
    if (row == RANKING_NO_ROW) return written;
    char section[16];
    ranking_section(row, section);
    written &= ini_put_string(section, "NAME", name, file_name);
    ini_get_string(section, "NAME", "", kept, RANKING_NAME_SIZE, file_name);
    found = true;
    return written;
  });
  if (saved && found) std::memcpy(entry->name, kept, RANKING_NAME_SIZE);
}

// Read in the turn, as a save reads it, so no other copy's save lands between the
// reads of its keys: the table shown is one table, never one's names beside another's
// times. The file is read once for the whole table, so a large file costs one read,
// not one for each of the table's keys. Where no turn is to be had, or the file cannot
// be read whole, it is read key by key all the same.
void ranking_read(RankingTable* table) {
  LongPath file;
  FileFault lock_fault;
  const HANDLE turn = ini_file_path(SETTINGS_FILE_NAME, &file) ? settings_lock_take(file.text, &lock_fault) : nullptr;
  std::string read;
  IniText text;
  const bool whole = turn && ini_read_text(file.text, &read, nullptr) == ERROR_SUCCESS;
  if (whole) {
    ini_text_split(read, &text);
    ini_in_memory(SETTINGS_FILE_NAME, &text);
  }
  ranking_load(table, SETTINGS_FILE_NAME);
  if (whole) ini_in_memory(SETTINGS_FILE_NAME, nullptr);
  if (turn) settings_lock_release(turn);
}
