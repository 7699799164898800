// The ten best times: the table, its place in the settings file and the insertion rule.
#include "ranking_table.h"

#include <windows.h>
#include <cstdio>
#include <cstring>

#include "dbcs_text.h"
#include "settings.h"

static const char* const DEFAULT_NAMES[RANKING_SIZE] = {
    "Alice", "Betty", "Chris", "Dolly", "Ellie", "Frances", "Gertie", "Helen", "Irene", "Jenny"};
constexpr int DEFAULT_YEAR = 2002, DEFAULT_MONTH = 1, DEFAULT_DAY = 1;
// A file without ranking keys lets any time under an hour open the dialog, even
// though the table it then shows ends at 12:00 (see ranking_new_row).
constexpr int QUALIFY_DEFAULT_SECONDS = 3600;

static int default_seconds(int row) { return 180 + 60 * row; }

int ranking_qualifies(int seconds) {
  const int tenth = ini_get_int("Ranking10", "SECOND", QUALIFY_DEFAULT_SECONDS, SETTINGS_FILE_NAME);
  // Compared unsigned, as the file has always been read: a negative elapsed time never
  // enters, and a negative stored tenth time opens the dialog for every time.
  return static_cast<unsigned>(seconds) < static_cast<unsigned>(tenth) ? 1 : 0;
}

void ranking_section(int row, char* section) {
  sprintf(section, "Ranking%02d", row + 1);
}

static int load_int(int row, const char* key, int default_value, const char* file_name) {
  char section[16];
  ranking_section(row, section);
  return ini_get_int(section, key, default_value, file_name);
}

void ranking_load(RankingTable* table, const char* file_name) {
  char section[16];
  for (int row = 0; row < RANKING_SIZE; ++row) {
    ranking_section(row, section);
    ini_get_string(section, "NAME", DEFAULT_NAMES[row], table->names[row], RANKING_NAME_SIZE, file_name);
  }
  for (int row = 0; row < RANKING_SIZE; ++row) table->years[row] = load_int(row, "YEAR", DEFAULT_YEAR, file_name);
  for (int row = 0; row < RANKING_SIZE; ++row) table->months[row] = load_int(row, "MONTH", DEFAULT_MONTH, file_name);
  for (int row = 0; row < RANKING_SIZE; ++row) table->days[row] = load_int(row, "DAY", DEFAULT_DAY, file_name);
  for (int row = 0; row < RANKING_SIZE; ++row)
    table->seconds[row] = load_int(row, "SECOND", default_seconds(row), file_name);
}

static int save_ints(const char* key, const int* values, const char* file_name) {
  char section[16], text[16];
  int written = 1;
  for (int row = 0; row < RANKING_SIZE; ++row) {
    ranking_section(row, section);
    sprintf(text, "%d", values[row]);
    written &= ini_put_string(section, key, text, file_name);
  }
  return written;
}

// Key by key rather than section by section: a file that had no ranking yet gets
// its sections in rank order, and the 50 writes always come in the same order.
int ranking_save(const RankingTable* table, const char* file_name) {
  char section[16];
  int written = 1;
  for (int row = 0; row < RANKING_SIZE; ++row) {
    ranking_section(row, section);
    written &= ini_put_string(section, "NAME", table->names[row], file_name);
  }
  written &= save_ints("YEAR", table->years, file_name);
  written &= save_ints("MONTH", table->months, file_name);
  written &= save_ints("DAY", table->days, file_name);
  written &= save_ints("SECOND", table->seconds, file_name);
  return written;
}

// The new time goes below every entry whose time is smaller or equal, so on a tie
// the older entry keeps the better rank. Scanning from the bottom keeps this right
// for a hand-edited table that is out of order.
int ranking_new_row(const RankingTable* table, int seconds) {
  for (int row = RANKING_SIZE - 1; row >= 0; --row)
    if (seconds >= table->seconds[row]) return row + 1;
  return 0;
}

int ranking_insert(RankingTable* table, int seconds, const char* name, RankingDate date) {
  const int new_row = ranking_new_row(table, seconds);
  if (new_row == RANKING_NO_ROW) return new_row;
  for (int row = RANKING_SIZE - 2; row >= new_row; --row) {
    memcpy(table->names[row + 1], table->names[row], RANKING_NAME_SIZE);
    table->years[row + 1] = table->years[row];
    table->months[row + 1] = table->months[row];
    table->days[row + 1] = table->days[row];
    table->seconds[row + 1] = table->seconds[row];
  }
  dbcs_copy(table->names[new_row], RANKING_NAME_SIZE, name);
  table->years[new_row] = date.year;
  table->months[new_row] = date.month;
  table->days[new_row] = date.day;
  table->seconds[new_row] = seconds;
  return new_row;
}

RankingDate ranking_today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

void ranking_format_date(const RankingTable* table, int row, char* text) {
  sprintf(text, "%.4d,%.2d,%.2d", table->years[row], table->months[row], table->days[row]);
}

void ranking_format_time(int seconds, char* text) {
  const int hours = seconds / 3600;
  const int minutes = seconds / 60 - hours * 60;
  sprintf(text, "%.2d:%.2d:%.2d", hours, minutes, seconds % 60);
}
