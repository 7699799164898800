// A UTF-16 file is taken line by line: line breaks are the same in both encodings, so
// the lines of the text are the lines of the file, and a line the program leaves as it
// read it goes back as the file spelt it. A line the program wrote is converted.
#include "ini_encoding.h"

#include <cstring>

#include "file_bytes.h"
#include "wide_text.h"

namespace {

constexpr char UTF16_MARK[] = "\xff\xfe";

template <typename Char>
bool is_break(Char c) { return c == '\r' || c == '\n'; }

// Calls each(line, breaks) for every line of text and the run of breaks after it.
template <typename Text, typename Each>
void each_line(const Text& text, Each each) {
  for (size_t at = 0; at < text.size();) {
    size_t end = at;
    while (end < text.size() && !is_break(text[end])) ++end;
    size_t next = end;
    while (next < text.size() && is_break(text[next])) ++next;
    each(text.substr(at, end - at), text.substr(end, next - end));
    at = next;
  }
}

// The file's bytes in place of its text: a UTF-16 file's converted, any other's as
// they stand.
void text_of_bytes(std::string* bytes, IniEncoding* encoding) {
  if (encoding) *encoding = IniEncoding();
  if (bytes->compare(0, 2, UTF16_MARK) != 0) return;
  std::wstring wide((bytes->size() - 2) / 2, L'\0');
  if (!wide.empty()) std::memcpy(&wide[0], bytes->data() + 2, wide.size() * 2);   // x86 is little-endian
  if (encoding) {
    encoding->utf16 = true;
    encoding->odd_byte = bytes->substr(2 + wide.size() * 2);
  }
  bytes->clear();
  each_line(wide, [&](const std::wstring& line, const std::wstring& breaks) {
    const std::string read = sjis_from_utf16(line);
    *bytes += read;
    bytes->append(breaks.begin(), breaks.end());
    if (encoding) encoding->spelt[read].push_back(line);
  });
}

}  // namespace

std::string ini_bytes_of_text(const std::string& text, const IniEncoding& encoding) {
  if (!encoding.utf16) return text;
  std::unordered_map<std::string, size_t> taken;
  std::wstring wide;
  each_line(text, [&](const std::string& line, const std::string& breaks) {
    const auto spelt = encoding.spelt.find(line);
    size_t& n = taken[line];
    if (spelt != encoding.spelt.end() && n < spelt->second.size()) wide += spelt->second[n++];
    else wide += utf16_from_sjis(line);
    wide.append(breaks.begin(), breaks.end());
  });
  std::string bytes = UTF16_MARK;
  bytes.append(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
  return bytes + encoding.odd_byte;
}

DWORD ini_read_text(const wchar_t* path, std::string* text, IniEncoding* encoding) {
  const DWORD error = file_read_whole(path, text);
  text_of_bytes(text, encoding);
  return error;
}
