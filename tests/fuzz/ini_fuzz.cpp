// Arbitrary bytes as a settings file. The bytes up to the first NUL are the file; the bytes
// after it, when there are any, are a value to write. Reading must never fail, and a value
// written must read back as written (one line, trimmed, quotes dropped) while every other
// key keeps the value it had. The text is worked in memory: what the file functions add
// around it (reading the whole file, replacing it whole) does not depend on what the file
// holds, and a sync to disk on every run would slow the run many times over.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_text.h"

namespace {

using jelt::platform::FindIniValue;

struct Name {
  std::string_view section;
  std::string_view key;
};

// The written key is "Dir" / "Dir1"; the others share its section or its key, or neither.
constexpr Name kWritten = {"Dir", "Dir1"};
constexpr Name kOthers[] = {
    {"dir", "dir2"}, {"Settings", "ascii"}, {"Handle", "handle"}, {"played", "played"}, {"S", "k"},
    {"", "k"},       {"[S]", "DIR1"},       {"Di", "Dir1"}};

// What a reader gets back after the value was written: each line break a space, blanks
// trimmed at both ends, and a pair of like quotes around it dropped.
std::string ReadBack(std::string_view value) {
  std::string line;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    line.push_back(value[i] == '\r' || value[i] == '\n' ? ' ' : value[i]);
  }
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  line = line.substr(first, line.find_last_not_of(" \t") + 1 - first);
  if (line.size() > 1 && (line.front() == '"' || line.front() == '\'') &&
      line.back() == line.front()) {
    line = line.substr(1, line.size() - 2);
  }
  return line;
}

void Check(bool holds) {
  if (!holds) std::abort();
}

void CheckInMemory(std::string_view text, std::string_view value) {
  const std::optional<std::string> written =
      jelt::platform::SetIniValue(text, kWritten.section, kWritten.key, value);
  Check(written.has_value());
  Check(FindIniValue(*written, "DIR", "dir1") == ReadBack(value));
  for (const Name& other : kOthers) {
    Check(FindIniValue(text, other.section, other.key) ==
          FindIniValue(*written, other.section, other.key));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view text = input.substr(0, split);
  const std::string_view value = split == std::string_view::npos
                                     ? std::string_view(" \"new value\" ")
                                     : input.substr(split + 1);
  CheckInMemory(text, value);
  return 0;
}
