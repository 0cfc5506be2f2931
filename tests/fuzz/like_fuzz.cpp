// Arbitrary bytes as a pattern and a text: the bytes up to the first NUL are the pattern,
// the bytes after it the text (no NUL: an empty text). The matcher must agree with the
// reference below on every well-formed pattern and match nothing with a malformed one.
//
// The reference reads the pattern into elements and tries every way of matching them,
// remembering what it has tried so that many stars stay affordable. It is slow and plain
// on purpose: its worth is that it reads like the rules. Both sides decode characters with
// the program's UTF-8 decoder (a malformed byte is a character of its own), since what is
// tested here is the matching. How long the matcher takes is left to the fuzzing engine's
// time limit; its single backtracking point keeps it at text times pattern.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/like.h"
#include "platform/text.h"

namespace {

// Beyond this many characters in the pattern or the text the reference is not run (its
// memory grows with their product and its depth of calls with their sum); the matcher
// still is.
constexpr std::size_t kMaxReferenceChars = 1024;

std::vector<char32_t> Chars(std::string_view utf8) {
  std::vector<char32_t> chars;
  for (std::size_t at = 0; at < utf8.size();) {
    chars.push_back(jelt::platform::NextChar(utf8, at));
  }
  return chars;
}

struct Range {
  char32_t low;
  char32_t high;
};

struct Element {
  enum class Kind { kStar, kAnyOne, kDigit, kList, kNothing, kItself };
  explicit Element(Kind k, char32_t c = 0) : kind(k), itself(c) {}

  Kind kind;
  char32_t itself = 0;
  bool negated = false;
  std::vector<Range> list;
};

using Kind = Element::Kind;

// Reads one bracket list from just past its "[". nullopt when it never closes or holds a
// descending range.
std::optional<Element> ParseList(const std::vector<char32_t>& p, std::size_t& i) {
  if (i < p.size() && p[i] == U']') {
    ++i;
    return Element(Kind::kNothing);
  }
  Element list(Kind::kList);
  if (i < p.size() && p[i] == U'!') {
    list.negated = true;
    ++i;
  }
  for (;;) {
    if (i >= p.size()) return std::nullopt;
    if (p[i] == U']') {
      ++i;
      return list;
    }
    const char32_t low = p[i++];
    // "-" between two characters makes a range; first or last it is itself.
    if (i + 1 < p.size() && p[i] == U'-' && p[i + 1] != U']') {
      const char32_t high = p[i + 1];
      i += 2;
      if (high < low) return std::nullopt;
      list.list.push_back({low, high});
    } else {
      list.list.push_back({low, low});
    }
  }
}

std::optional<std::vector<Element>> Parse(const std::vector<char32_t>& p) {
  std::vector<Element> elements;
  for (std::size_t i = 0; i < p.size();) {
    const char32_t c = p[i++];
    if (c == U'*') {
      elements.emplace_back(Kind::kStar);
    } else if (c == U'?') {
      elements.emplace_back(Kind::kAnyOne);
    } else if (c == U'#') {
      elements.emplace_back(Kind::kDigit);
    } else if (c == U'[') {
      std::optional<Element> list = ParseList(p, i);
      if (!list) return std::nullopt;
      elements.push_back(std::move(*list));
    } else {
      elements.emplace_back(Kind::kItself, c);
    }
  }
  return elements;
}

bool InList(const Element& list, char32_t c) {
  bool found = false;
  for (const Range& range : list.list) {
    found = found || (c >= range.low && c <= range.high);
  }
  return found != list.negated;
}

class Reference {
 public:
  Reference(const std::vector<Element>& pattern, const std::vector<char32_t>& text)
      : pattern_(pattern), text_(text), tried_((pattern.size() + 1) * (text.size() + 1), 0) {}

  bool Matches() { return From(0, 0); }

 private:
  // Whether the elements from e on match the characters from t on.
  bool From(std::size_t e, std::size_t t) {
    signed char& known = tried_[e * (text_.size() + 1) + t];
    if (known == 0) known = Work(e, t) ? 1 : -1;
    return known > 0;
  }

  bool Work(std::size_t e, std::size_t t) {
    if (e == pattern_.size()) return t == text_.size();
    const Element& element = pattern_[e];
    if (element.kind == Kind::kStar) {
      return From(e + 1, t) || (t < text_.size() && From(e, t + 1));
    }
    if (element.kind == Kind::kNothing) return From(e + 1, t);
    if (t == text_.size()) return false;
    const char32_t c = text_[t];
    switch (element.kind) {
      case Kind::kAnyOne:
        break;
      case Kind::kDigit:
        if (c < U'0' || c > U'9') return false;
        break;
      case Kind::kList:
        if (!InList(element, c)) return false;
        break;
      default:
        if (c != element.itself) return false;
        break;
    }
    return From(e + 1, t + 1);
  }

  const std::vector<Element>& pattern_;
  const std::vector<char32_t>& text_;
  std::vector<signed char> tried_;  // 0 not yet, 1 matches, -1 does not
};

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view pattern = input.substr(0, split);
  const std::string_view text =
      split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
  const bool matched = jelt::platform::Like(text, pattern);

  const std::vector<char32_t> pattern_chars = Chars(pattern);
  const std::optional<std::vector<Element>> elements = Parse(pattern_chars);
  if (!elements) {
    Check(!matched);
    return 0;
  }
  const std::vector<char32_t> text_chars = Chars(text);
  if (elements->size() > kMaxReferenceChars || text_chars.size() > kMaxReferenceChars) return 0;
  Check(Reference(*elements, text_chars).Matches() == matched);
  return 0;
}
