// A UTF-16 file is taken line by line: line breaks are the same in both encodings, so
// the lines of the text are the lines of the file, and a line the program leaves as it
// read it goes back as the file spelt it. A line the program wrote is converted.
#include "ini_encoding.h"

#include "file_bytes.h"
#include "wide_text.h"

namespace {

constexpr char UTF16_MARK[] = "\xff\xfe";

bool is_break(char c) { return c == '\r' || c == '\n'; }

// Calls each(at, end, next) for every line of count characters: [at, end) the line,
// [end, next) the run of breaks after it. breaks_at(i): whether the i-th is a break.
template <typename BreaksAt, typename Each>
void each_line(size_t count, BreaksAt breaks_at, Each each) {
  for (size_t at = 0; at < count;) {
    size_t end = at;
    while (end < count && !breaks_at(end)) ++end;
    size_t next = end;
    while (next < count && breaks_at(next)) ++next;
    each(at, end, next);
    at = next;
  }
}

// The file's bytes in place of its text: a UTF-16 file's converted, any other's as
// they stand.
void text_of_bytes(std::string* bytes, IniEncoding* encoding) {
  if (encoding) *encoding = IniEncoding();
  if (bytes->compare(0, 2, UTF16_MARK) != 0) return;
  const std::string wide = bytes->substr(2, (bytes->size() - 2) & ~size_t{1});
  if (encoding) {
    encoding->utf16 = true;
    encoding->odd_byte = bytes->substr(2 + wide.size());
  }
  bytes->clear();
  const auto breaks_at = [&](size_t i) { return wide[2 * i + 1] == 0 && is_break(wide[2 * i]); };
  each_line(wide.size() / 2, breaks_at, [&](size_t at, size_t end, size_t next) {
    const std::string line = wide.substr(2 * at, 2 * (end - at));
    const std::string read = sjis_from_utf16(line);
    *bytes += read;
    for (size_t i = end; i < next; ++i) *bytes += wide[2 * i];
    if (encoding) encoding->spelt[read].push_back(line);
  });
}

}  // namespace

std::string ini_bytes_of_text(const std::string& text, const IniEncoding& encoding) {
  if (!encoding.utf16) return text;
  std::unordered_map<std::string, size_t> taken;
  std::string bytes = UTF16_MARK;
  const auto breaks_at = [&](size_t i) { return is_break(text[i]); };
  each_line(text.size(), breaks_at, [&](size_t at, size_t end, size_t next) {
    const std::string line = text.substr(at, end - at);
    const auto spelt = encoding.spelt.find(line);
    size_t& n = taken[line];
    if (spelt != encoding.spelt.end() && n < spelt->second.size()) bytes += spelt->second[n++];
    else bytes += utf16_from_sjis(line);
    for (size_t i = end; i < next; ++i) bytes += {text[i], '\0'};
  });
  return bytes + encoding.odd_byte;
}

DWORD ini_read_text(const wchar_t* path, std::string* text, IniEncoding* encoding) {
  const DWORD error = file_read_whole(path, text);
  text_of_bytes(text, encoding);
  return error;
}
