#include "platform/like.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace jelt::platform {
namespace {

struct Case {
  std::string_view pattern;
  std::string_view text;
  bool matches;
};

void ExpectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(Like(c.text, c.pattern), c.matches)
        << "pattern \"" << c.pattern << "\", text \"" << c.text << "\"";
  }
}

TEST(Like, TheWholeTextMustMatchTheWholePattern) {
  ExpectCases({
      {"abc", "abc", true},
      {"abc", "abcd", false},
      {"abc", "ab", false},
      {"abc", "xabc", false},
      {"abc", "abd", false},
      {"", "", true},
      {"", "a", false},
      {"a", "", false},
      {"]", "]", true},  // outside a list "]", "!" and "-" are ordinary characters
      {"!-", "!-", true},
  });
}

TEST(Like, StarMatchesAnyRunIncludingNone) {
  ExpectCases({
      {"*", "", true},
      {"*", "anything at all", true},
      {"a*", "a", true},
      {"*a", "a", true},
      {"a*b", "ab", true},
      {"a*b", "axxb", true},
      {"a*b", "axxbc", false},
      {"a*", "ba", false},
      {"*x", "aaaa", false},
      {"a**b", "ab", true},
      {"***", "", true},
      {"*a*b*", "xxaxxbxx", true},
      {"a*b*c", "acb", false},
      // Each of these needs the star to give back what it first took.
      {"*ab", "aab", true},
      {"*aab", "aaab", true},
      {"a*ab*c", "abababc", true},
      {"*aXb*", "aaXaXb", true},
      {"*ab*ab", "ab", false},
      {"*?", "", false},
      {"*?", "a", true},
      {"?*?", "a", false},
      {"*é", "café", true},
      {"caf*", "café", true},
      {"*é*", "cafe", false},
  });
}

TEST(Like, QuestionMarkMatchesExactlyOneCharacterOfAnyLength) {
  ExpectCases({
      {"?", "a", true},
      {"?", "", false},
      {"?", "ab", false},
      {"??", "ab", true},
      {"?", "?", true},
      {"?", " ", true},
      // "é" is two bytes, "‹" three and "😀" four; each is one character.
      {"?", "é", true},
      {"??", "é", false},
      {"?", "‹", true},
      {"???", "‹", false},
      {"?", "😀", true},
      {"caf?", "café", true},
      {"caf??", "café", false},
      {"a?c", "a‹c", true},
      {"?·?", "‹·›", true},
  });
}

TEST(Like, HashMatchesOneDigitOnly) {
  ExpectCases({
      {"#", "0", true},
      {"#", "9", true},
      {"#", "a", false},
      {"#", "#", false},
      {"#", "", false},
      {"##", "42", true},
      {"##", "4", false},
      {"#", "42", false},
      {"#", "²", false},  // a superscript two is not a digit
      {"#", "٣", false},  // nor is an Arabic-Indic three
      {"r #", "r 7", true},
  });
}

TEST(Like, BracketListMatchesOneCharacterOfTheList) {
  ExpectCases({
      {"[abc]", "b", true},
      {"[abc]", "d", false},
      {"[abc]", "", false},
      {"[abc]", "ab", false},
      {"[ab]*", "bcd", true},
      // Ranges, with their ends included.
      {"[a-c]", "a", true},
      {"[a-c]", "b", true},
      {"[a-c]", "c", true},
      {"[a-c]", "d", false},
      {"[a-c]", "B", false},
      {"[a-a]", "a", true},
      {"[a-cx-z]", "y", true},
      {"[a-cx-z]", "m", false},
      {"[0-9][0-9]", "07", true},
      // "!" first negates; the negated list still takes exactly one character.
      {"[!a-c]", "d", true},
      {"[!a-c]", "b", false},
      {"[!a-c]", "", false},
      {"[!a-c]", "dd", false},
      {"[!abc]", "é", true},
      {"[a!]", "!", true},  // elsewhere "!" is itself
      // "-" first or last stands for itself.
      {"[-a]", "-", true},
      {"[-a]", "a", true},
      {"[a-]", "-", true},
      {"[a-]", "b", false},
      {"[!-]", "-", false},
      {"[!-]", "a", true},
      // The other special characters are themselves inside a list.
      {"[*]", "*", true},
      {"[*]", "a", false},
      {"[?]", "?", true},
      {"[?]", "a", false},
      {"[#]", "#", true},
      {"[#]", "1", false},
      {"[[]", "[", true},
      // Characters beyond ASCII, in lists and ranges, by their code.
      {"[é]", "é", true},
      {"[é]", "e", false},
      {"[!é]", "é", false},
      {"[!é]", "e", true},
      {"[‹›]", "›", true},
      {"[à-ÿ]", "é", true},
      {"[à-ÿ]", "a", false},
  });
}

TEST(Like, EmptyBracketsMatchNothingAtAll) {
  ExpectCases({
      {"[]", "", true},
      {"[]", "a", false},
      {"a[]b", "ab", true},
      {"a[]b", "axb", false},
      {"*[]", "", true},
      {"[]*[]", "abc", true},
      {"[][]", "", true},
      {"?[]", "x", true},
  });
}

TEST(Like, CaseMatters) {
  ExpectCases({
      {"next", "next", true},
      {"next", "Next", false},
      {"NEXT", "next", false},
      {"[a-z]", "Q", false},
      {"é", "É", false},
      {"*e*", "WE", false},
  });
}

// Such a pattern matches nothing, not even where the text never reaches the fault.
TEST(Like, MalformedPatternMatchesNothing) {
  ExpectCases({
      {"[", "[", false},
      {"[", "", false},
      {"[abc", "a", false},
      {"[abc", "[abc", false},
      {"[!", "!", false},
      {"a[b", "a[b", false},
      {"*[", "x[", false},
      {"[][", "", false},
      {"[z-a]", "m", false},
      {"[z-a]", "z", false},
      {"[z-a]", "a", false},
      {"[z-a]*", "anything", false},
      {"x*[z-a]", "x", false},
      {"[a-c][z-a]", "bm", false},
      {"[é-a]", "b", false},
  });
}

TEST(Like, CommandPatternsTakeTheirOwnCases) {
  ExpectCases({
      {"time?", "time?", true},
      {"time?", "times", true},
      {"time?", "time!", true},
      {"time?", "time", false},
      {"time?", "time??", false},
      {"time?", " time?", false},
      {"p *", "p 3", true},
      {"p *", "p ", true},
      {"p *", "p  abc", true},
      {"p *", "p", false},
      {"p *", "p3", false},
      {"p *", "pr 3", false},
      {"im *,*", "im joe,hi", true},
      {"im *,*", "im ,", true},
      {"im *,*", "im joe,hi, there", true},
      {"im *,*", "im joe", false},
      {"im *,*", "im joe hi", false},
      {"im *,*", "im,joe,hi", false},
      {"im *,*", "aim joe,hi", false},
      {"aim *,*", "aim joe,hi", true},
      {"user?", "user ", true},
      {"user *", "user ", true},
      {"dir?", "dir ", true},
      {"dir *", "dir ", true},
      {"cmds?", "cmdsx", true},
      {"cmds?", "cmds", false},
  });
}

}  // namespace
}  // namespace jelt::platform
