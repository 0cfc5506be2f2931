#include "platform/text.h"

#include <gtest/gtest.h>

namespace jelt::platform {
namespace {

TEST(TextTest, DecorationCharactersCrossAsSingleWindows1252Bytes) {
  const std::string utf8 = "<i>‹·<sup>›</i></sup> mp³·²";
  const std::string narrow = Utf8ToCp1252(utf8);
  EXPECT_EQ(narrow, "<i>\x8B\xB7<sup>\x9B</i></sup> mp\xB3\xB7\xB2");
  EXPECT_EQ(Cp1252ToUtf8(narrow), utf8);
}

TEST(TextTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x98\x83z"), "a?z");             // a snowman
  EXPECT_EQ(Utf8ToCp1252("\xFF\xC3"), "??");                    // malformed bytes
  EXPECT_EQ(Cp1252ToUtf8("\x81\x80"), "\xC2\x81\xE2\x82\xAC");  // undefined byte, euro sign
}

TEST(TextTest, LowerCaseCoversAsciiAndLatinLettersOnly) {
  EXPECT_EQ(LowerCase("Joe BLOGGS ÀÉÞ×ŠŸ 123!"), "joe bloggs àéþ×šÿ 123!");
  EXPECT_EQ(UpperCase("handle àéþ÷šÿ"), "HANDLE ÀÉÞ÷ŠŸ");
}

TEST(TextTest, PositionsCountCharactersNotBytes) {
  EXPECT_EQ(CharCount("p ‹é›"), 5u);
  EXPECT_EQ(MidFrom("p ‹é›", 3), "‹é›");
  EXPECT_EQ(MidFrom("p ‹é›", 4), "é›");
  EXPECT_EQ(MidFrom("p", 3), "");
  EXPECT_EQ(MidFrom("user ", 6), "");
}

}  // namespace
}  // namespace jelt::platform
