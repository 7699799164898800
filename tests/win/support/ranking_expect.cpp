// The ranking table as the file holds it and as one new entry must leave it.
#include "ranking_expect.h"
#include <windows.h>
#include <cstdio>
#include "settings.h"

RankingTable ranking_in_file() {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);   // no cached copy of the file
  RankingTable table;
  ranking_load(&table, SETTINGS_FILE_NAME);
  return table;
}

RankingTable with_new_entry(const RankingTable& before, int seconds, const char* name, int* row) {
  RankingTable after = before;
  const int taken = ranking_insert(&after, seconds, name, ranking_today());
  if (row) *row = taken;
  return after;
}

std::string ranking_file_text(const RankingTable& table) {
  std::string text;
  for (int row = 0; row < RANKING_SIZE; ++row) {
    char section[160];
    snprintf(section, sizeof section, "[Ranking%02d]\r\nNAME=%s\r\nYEAR=%d\r\nMONTH=%d\r\nDAY=%d\r\nSECOND=%d\r\n",
             row + 1, table.names[row], table.years[row], table.months[row], table.days[row], table.seconds[row]);
    text += section;
  }
  return text;
}

namespace {

// Control bytes of a name shown as \xNN, so a difference in them can be seen.
std::string describe(const RankingTable& table, int row) {
  std::string name;
  for (const char* c = table.names[row]; *c; ++c) {
    char byte[8];
    snprintf(byte, sizeof byte, static_cast<unsigned char>(*c) < 0x20 ? "\\x%02x" : "%c", static_cast<unsigned char>(*c));
    name += byte;
  }
  char text[64];
  snprintf(text, sizeof text, "\" %d-%d-%d %ds", table.years[row], table.months[row], table.days[row],
           table.seconds[row]);
  return "\"" + name + text;
}

}  // namespace

std::string ranking_difference(const RankingTable& expected, const RankingTable& actual) {
  for (int row = 0; row < RANKING_SIZE; ++row) {
    const std::string want = describe(expected, row), got = describe(actual, row);
    if (want != got) return "rank " + std::to_string(row + 1) + " is " + got + ", expected " + want;
  }
  return "";
}
