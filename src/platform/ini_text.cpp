#include "platform/ini_text.h"

#include <array>

#include "platform/text.h"

namespace jelt::platform {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreak = "\r\n";

std::string_view TrimLeft(std::string_view s) {
  const std::size_t first = s.find_first_not_of(kBlanks);
  return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

std::string_view Trim(std::string_view s) {
  s = TrimLeft(s);
  return s.substr(0, s.find_last_not_of(kBlanks) + 1);
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of(kLineBreak) != s.npos;
}

// One line of the text, by its offsets, so that an edit can splice the text around it.
struct Line {
  std::size_t begin = 0;
  std::string_view body;  // without the line break
  std::size_t end = 0;    // just past the line break

  bool HasBreak() const { return end > begin + body.size(); }
};

Line LineAt(std::string_view text, std::size_t begin) {
  const std::size_t break_at = text.find_first_of(kLineBreak, begin);
  if (break_at == std::string_view::npos) return {begin, text.substr(begin), text.size()};
  const bool crlf =
      text[break_at] == '\r' && break_at + 1 < text.size() && text[break_at + 1] == '\n';
  return {begin, text.substr(begin, break_at - begin), break_at + (crlf ? 2 : 1)};
}

enum class LineKind { kOther, kSection, kKey };

struct ParsedLine {
  LineKind kind = LineKind::kOther;
  std::string_view name;
  std::string_view value;
};

ParsedLine Parse(std::string_view body) {
  const std::string_view line = Trim(body);
  if (line.empty() || line.front() == ';') return {};
  if (line.front() == '[') {
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) return {};
    return {LineKind::kSection, Trim(line.substr(1, close - 1)), {}};
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return {LineKind::kKey, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Each byte's lower-case form, taken from the program's one case rule so that names match
// here exactly as they compare everywhere else.
const std::array<unsigned char, 256>& LowerCaseBytes() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> lower{};
    for (std::size_t byte = 0; byte < lower.size(); ++byte) {
      const std::string one(1, static_cast<char>(byte));
      lower[byte] = static_cast<unsigned char>(Utf8ToCp1252(LowerCase(Cp1252ToUtf8(one)))[0]);
    }
    return lower;
  }();
  return table;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto& lower = LowerCaseBytes();
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower[static_cast<unsigned char>(a[i])] != lower[static_cast<unsigned char>(b[i])]) {
      return false;
    }
  }
  return true;
}

std::string_view Unquoted(std::string_view value) {
  const bool quoted = value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

// What one pass over the text finds for a section and key.
struct Place {
  std::optional<Line> section;    // the heading of the first section of the name
  std::optional<Line> key;        // the key's first line in that section
  std::string_view key_name;      // the key's name as spelled there
  std::optional<Line> last_key;   // the section's last key line
  std::optional<Line> last_line;  // the text's last line, when the section is not there
};

Place Locate(std::string_view text, std::string_view section, std::string_view key) {
  Place place;
  for (std::size_t at = 0; at < text.size();) {
    const Line line = LineAt(text, at);
    at = line.end;
    place.last_line = line;
    const ParsedLine parsed = Parse(line.body);
    if (!place.section) {
      if (parsed.kind == LineKind::kSection && SameName(parsed.name, section)) {
        place.section = line;
      }
      continue;
    }
    if (parsed.kind == LineKind::kSection) break;
    if (parsed.kind != LineKind::kKey) continue;
    place.last_key = line;
    if (!place.key && SameName(parsed.name, key)) {
      place.key = line;
      place.key_name = parsed.name;
    }
  }
  return place;
}

// The value as one line: each line break becomes a space, and leading blanks go.
std::string OneLine(std::string_view value) {
  std::string line;
  line.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    line.push_back(c == '\r' || c == '\n' ? ' ' : c);
  }
  line.erase(0, line.size() - TrimLeft(line).size());
  return line;
}

std::string KeyLine(std::string_view name, std::string_view value) {
  std::string line;
  line.reserve(name.size() + value.size() + 3);
  line.append(name).append("=").append(value).append(kLineBreak);
  return line;
}

std::string Splice(std::string_view text, std::size_t from, std::size_t to,
                   std::string_view insert) {
  std::string spliced;
  spliced.reserve(text.size() - (to - from) + insert.size());
  spliced.append(text.substr(0, from)).append(insert).append(text.substr(to));
  return spliced;
}

bool WritableNames(std::string_view section, std::string_view key) {
  return !key.empty() && key.find('=') == key.npos && key.front() != '[' && key.front() != ';' &&
         !HasLineBreak(key) && !HasLineBreak(section);
}

}  // namespace

std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
  const Place place = Locate(text, Trim(section), Trim(key));
  if (!place.key) return std::nullopt;
  return Unquoted(Parse(place.key->body).value);
}

std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  if (!WritableNames(section, key)) return std::nullopt;
  const std::string line_value = OneLine(value);
  const Place place = Locate(text, section, key);
  if (place.key) {
    return Splice(text, place.key->begin, place.key->end, KeyLine(place.key_name, line_value));
  }
  if (place.section) {
    const Line& above = place.last_key ? *place.last_key : *place.section;
    const std::string_view lead = above.HasBreak() ? "" : kLineBreak;
    return Splice(text, above.end, above.end, std::string(lead) + KeyLine(key, line_value));
  }
  std::string appended(text);
  if (place.last_line) {
    if (!place.last_line->HasBreak()) appended.append(kLineBreak);
    if (!Trim(place.last_line->body).empty()) appended.append(kLineBreak);
  }
  appended.append("[").append(section).append("]").append(kLineBreak);
  appended.append(KeyLine(key, line_value));
  return appended;
}

}  // namespace jelt::platform
