#include "platform/like.h"

#include <cstring>

#include "platform/text.h"

namespace jelt::platform {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

char32_t CharAt(std::string_view s, std::size_t& at) {
  const unsigned char byte = static_cast<unsigned char>(s[at]);
  if (byte < 0x80) {
    ++at;
    return byte;
  }
  return NextChar(s, at);
}

bool IsEmptyList(std::string_view pattern, std::size_t p) {
  return pattern[p] == '[' && p + 1 < pattern.size() && pattern[p + 1] == ']';
}

// Tests one character against the bracket list that opens at pattern[p] ("["), and moves p
// past the closing "]". The list has been checked to be well formed.
bool MatchList(std::string_view pattern, std::size_t& p, char32_t c) {
  ++p;  // "["
  bool negate = false;
  if (pattern[p] == '!') {
    negate = true;
    ++p;
  }
  bool found = false;
  while (pattern[p] != ']') {
    const char32_t low = CharAt(pattern, p);
    char32_t high = low;
    if (pattern[p] == '-' && pattern[p + 1] != ']') {
      ++p;
      high = CharAt(pattern, p);
    }
    if (c >= low && c <= high) found = true;
  }
  ++p;  // "]"
  return found != negate;
}

// Whether every bracket list closes and every range ascends.
bool ListsWellFormed(std::string_view pattern) {
  for (std::size_t p = 0; p < pattern.size();) {
    if (pattern[p] != '[') {
      CharAt(pattern, p);
      continue;
    }
    ++p;
    if (p < pattern.size() && pattern[p] == '!') ++p;
    while (p < pattern.size() && pattern[p] != ']') {
      const char32_t low = CharAt(pattern, p);
      if (p + 1 < pattern.size() && pattern[p] == '-' && pattern[p + 1] != ']') {
        ++p;
        if (CharAt(pattern, p) < low) return false;
      }
    }
    if (p >= pattern.size()) return false;
    ++p;
  }
  return true;
}

}  // namespace

bool Like(std::string_view text, std::string_view pattern) {
  if (std::memchr(pattern.data(), '[', pattern.size()) != nullptr && !ListsWellFormed(pattern)) {
    return false;
  }
  std::size_t t = 0;
  std::size_t p = 0;
  // Where to resume after the last "*": the pattern just past it, and the text position
  // the star has swallowed up to.
  std::size_t star_p = kNone;
  std::size_t star_t = 0;
  while (t < text.size()) {
    if (p < pattern.size()) {
      const char pc = pattern[p];
      if (pc == '*') {
        star_p = ++p;
        star_t = t;
        continue;
      }
      if (IsEmptyList(pattern, p)) {
        p += 2;
        continue;
      }
      std::size_t next_t = t;
      const char32_t c = CharAt(text, next_t);
      std::size_t next_p = p;
      bool matched;
      if (pc == '?') {
        matched = true;
        ++next_p;
      } else if (pc == '#') {
        matched = c >= U'0' && c <= U'9';
        ++next_p;
      } else if (pc == '[') {
        matched = MatchList(pattern, next_p, c);
      } else {
        matched = CharAt(pattern, next_p) == c;
      }
      if (matched) {
        t = next_t;
        p = next_p;
        continue;
      }
    }
    if (star_p == kNone) return false;
    CharAt(text, star_t);
    t = star_t;
    p = star_p;
  }
  while (p < pattern.size()) {
    if (pattern[p] == '*') {
      ++p;
    } else if (IsEmptyList(pattern, p)) {
      p += 2;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace jelt::platform
