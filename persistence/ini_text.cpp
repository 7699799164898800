// A settings file's text as its bytes. Lines end at any run of CR and LF; a line
// whose first non-blank byte is "[" and that holds a "]" names a section, the name
// up to its last "]" without the blanks around it; any other line is a key, with its
// value after the first "=". Texts stay Shift-JIS: a "]" or a letter that is the
// second byte of a Japanese character is part of that character.
#include "ini_text.h"

#include <cstring>

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; }
bool is_break(char c) { return c == '\r' || c == '\n'; }
bool is_lead(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}
char folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Letters in either case are the same; a double-byte character only itself.
bool same_name(const char* a, size_t a_size, const char* b, size_t b_size) {
  if (a_size != b_size) return false;
  for (size_t i = 0; i < a_size; ++i) {
    if (is_lead(a[i]) && i + 1 < a_size) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (folded(a[i]) != folded(b[i])) {
      return false;
    }
  }
  return true;
}

struct Name {
  const char* text;
  size_t size;
};

// A name as same_name sees it: the letters of one case.
std::string folded_name(const char* text, size_t size) {
  std::string name(text, size);
  for (size_t i = 0; i < size; ++i) {
    if (is_lead(name[i])) ++i;
    else name[i] = folded(name[i]);
  }
  return name;
}

Name trimmed(const char* text) {
  while (is_blank(*text)) ++text;
  size_t size = std::strlen(text);
  while (size > 0 && is_blank(text[size - 1])) --size;
  return {text, size};
}

// One line: [begin, end) its bytes without blanks around them, content_end where its
// break starts, next where the next line starts.
struct Line {
  size_t begin, end, content_end, next;
  bool section;             // [name_begin, name_end) is the section's name
  size_t name_begin, name_end;
  size_t value_begin;       // npos for a key without "="
};

// A file Notepad saved as UTF-8 starts with a mark that is no part of its first line.
size_t first_line(const std::string& text) {
  return text.compare(0, 3, "\xef\xbb\xbf") == 0 ? 3 : 0;
}

Line line_at(const std::string& text, size_t at) {
  Line line = {};
  size_t end = at;
  while (end < text.size() && !is_break(text[end])) ++end;
  line.content_end = end;
  line.next = end;
  while (line.next < text.size() && is_break(text[line.next])) ++line.next;
  size_t begin = at;
  while (begin < end && is_blank(text[begin])) ++begin;
  while (end > begin && is_blank(text[end - 1])) --end;
  line.begin = begin;
  line.end = end;
  line.value_begin = std::string::npos;
  if (begin < end && text[begin] == '[') {
    size_t close = std::string::npos;
    for (size_t i = begin + 1; i < end; ++i) {
      if (text[i] == ']') close = i;
      else if (is_lead(text[i])) ++i;
    }
    if (close != std::string::npos) {
      line.section = true;
      line.name_begin = begin + 1;
      line.name_end = close;
      while (line.name_begin < close && is_blank(text[line.name_begin])) ++line.name_begin;
      while (line.name_end > line.name_begin && is_blank(text[line.name_end - 1])) --line.name_end;
      return line;
    }
  }
  line.name_begin = begin;
  line.name_end = end;
  for (size_t i = begin; i < end; ++i) {
    if (text[i] != '=') continue;
    line.name_end = i;
    while (line.name_end > begin && is_blank(text[line.name_end - 1])) --line.name_end;
    line.value_begin = i + 1;
    while (line.value_begin < end && is_blank(text[line.value_begin])) ++line.value_begin;
    break;
  }
  return line;
}

bool names(const std::string& text, const Line& line, Name name) {
  return same_name(text.data() + line.name_begin, line.name_end - line.name_begin, name.text, name.size);
}

// Where the key and its section stand in the text.
struct Place {
  bool section_found = false, key_found = false;
  Line key = {};
  size_t last_content_end = 0;   // the end of the section's last line that is not blank
};

Place find(const std::string& text, const char* section_text, const char* key_text) {
  const Name section = trimmed(section_text), key = trimmed(key_text);
  Place place;
  for (size_t at = first_line(text); at < text.size();) {
    const Line line = line_at(text, at);
    at = line.next;
    if (line.section) {
      if (place.section_found) break;   // only the first section of the name counts
      place.section_found = names(text, line, section);
      place.last_content_end = line.content_end;
    } else if (place.section_found && line.begin < line.end) {
      place.last_content_end = line.content_end;
      if (names(text, line, key)) {
        place.key_found = true;
        place.key = line;
        break;
      }
    }
  }
  return place;
}

}  // namespace

bool ini_text_get(const std::string& text, const char* section, const char* key, std::string* value) {
  const Place place = find(text, section, key);
  if (!place.key_found || place.key.value_begin == std::string::npos) return false;
  size_t begin = place.key.value_begin, end = place.key.end;
  if (end - begin >= 2 && (text[begin] == '"' || text[begin] == '\'') && text[end - 1] == text[begin]) {
    ++begin;
    --end;
  }
  value->assign(text, begin, end - begin);
  return true;
}

void ini_text_put(std::string* text, const char* section, const char* key, const char* value) {
  while (is_blank(*value)) ++value;
  const Place place = find(*text, section, key);
  if (place.key_found) {
    const Line& line = place.key;
    if (line.value_begin != std::string::npos && text->compare(line.value_begin, line.end - line.value_begin, value) == 0)
      return;
    const std::string name = text->substr(line.name_begin, line.name_end - line.name_begin);
    text->replace(line.begin, line.content_end - line.begin, name + "=" + value);
  } else if (place.section_found) {
    const bool at_end = place.last_content_end == text->size();
    text->insert(place.last_content_end, std::string("\r\n") + key + "=" + value + (at_end ? "\r\n" : ""));
  } else {
    if (text->size() > first_line(*text) && !is_break(text->back())) *text += "\r\n";
    *text += std::string("[") + section + "]\r\n" + key + "=" + value + "\r\n";
  }
}

void ini_text_split(const std::string& bytes, IniText* text) {
  text->sections.assign(1, std::string());
  text->first_of.clear();
  size_t part = 0;
  for (size_t at = first_line(bytes); at < bytes.size();) {
    const Line line = line_at(bytes, at);
    if (line.section) {
      text->sections.back().assign(bytes, part, at - part);
      part = at;
      text->sections.emplace_back();
      text->first_of.emplace(folded_name(bytes.data() + line.name_begin, line.name_end - line.name_begin),
                             text->sections.size() - 1);
    }
    at = line.next;
  }
  text->sections.back().assign(bytes, part, std::string::npos);
}

std::string ini_text_joined(const IniText& text) {
  size_t size = 0;
  for (const std::string& section : text.sections) size += section.size();
  std::string bytes;
  bytes.reserve(size);
  for (const std::string& section : text.sections) bytes += section;
  return bytes;
}

namespace {

size_t section_index(const IniText& text, const char* section) {
  const Name name = trimmed(section);
  const auto found = text.first_of.find(folded_name(name.text, name.size));
  return found == text.first_of.end() ? std::string::npos : found->second;
}

}  // namespace

bool ini_text_get(const IniText& text, const char* section, const char* key, std::string* value) {
  const size_t index = section_index(text, section);
  return index != std::string::npos && ini_text_get(text.sections[index], section, key, value);
}

void ini_text_put(IniText* text, const char* section, const char* key, const char* value) {
  const size_t index = section_index(*text, section);
  if (index != std::string::npos) return ini_text_put(&text->sections[index], section, key, value);
  std::string& last = text->sections.back();
  if (last.size() > first_line(last) && !is_break(last.back())) last += "\r\n";
  text->sections.emplace_back();
  ini_text_put(&text->sections.back(), section, key, value);
  const Name name = trimmed(section);
  text->first_of.emplace(folded_name(name.text, name.size), text->sections.size() - 1);
}
