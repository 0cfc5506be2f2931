#include "ui/html_render.h"

#include <gtest/gtest.h>

#include "ui/room_line.h"

namespace jelt::ui {
namespace {

constexpr Rgb kRed{0xff, 0, 0};
constexpr Rgb kGreen{0, 0xff, 0};
constexpr Rgb kAccent{0x98, 0xcc, 0xff};
constexpr Rgb kBase{0xaa, 0xbb, 0xcc};

TextStyle Color(Rgb color) {
  return TextStyle{color};
}

struct HtmlCase {
  const char* html;
  StyledText expected;
};

class ParseChatHtmlTest : public testing::TestWithParam<HtmlCase> {};

TEST_P(ParseChatHtmlTest, GivesTheStyledRuns) {
  EXPECT_EQ(ParseChatHtml(GetParam().html), GetParam().expected) << GetParam().html;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseChatHtmlTest,
    testing::Values(
        HtmlCase{"hello there", {{"hello there", {}}}},
        // A reply of the program, with its decoration's mis-nested <sup>.
        HtmlCase{
            "</s><font color=#98ccff face=\"arial narrow\"><i>‹·<sup>›</i></sup>"
            "<font color=#aabbcc face=\"arial narrow\">ascii: <font color=#98ccff>126",
            {{"‹·›", {kAccent, false, true}}, {"ascii: ", Color(kBase)}, {"126", Color(kAccent)}}},
        HtmlCase{"<font color=#ff0000>a<font color=#00ff00>b</font>c</font>d",
                 {{"a", Color(kRed)}, {"b", Color(kGreen)}, {"c", Color(kRed)}, {"d", {}}}},
        HtmlCase{"<font color=#ff0000>a<font face=\"arial\">b</font>c", {{"abc", Color(kRed)}}},
        HtmlCase{"<FONT COLOR='#0f0'>x</font></font>y", {{"x", Color(kGreen)}, {"y", {}}}},
        HtmlCase{"<font color=blue>x<font color=#12345>y", {{"xy", {}}}},
        HtmlCase{"<B>b</B><I>i</i><u>u</U>n",
                 {{"b", {std::nullopt, true}},
                  {"i", {std::nullopt, false, true}},
                  {"u", {std::nullopt, false, false, true}},
                  {"n", {}}}},
        HtmlCase{"&lt;b&gt; &amp; &quot;q&quot; &apos;a&nbsp;b &#65;&#x42;",
                 {{"<b> & \"q\" 'a\u00a0b AB", {}}}},
        HtmlCase{"a < b && c> d; 5<3 &foo; x& <b", {{"a < b && c> d; 5<3 &foo; x& <b", {}}}},
        HtmlCase{"<a href=\"x\">link</a><br><sup>2</sup>", {{"link2", {}}}},
        HtmlCase{"a\x1b[2Jb\tc\x7f\xc2\x9b", {{"a?[2Jb c??", {}}}}));

TEST(ToAnsi, SwitchesStylesAndEndsPlain) {
  const StyledText text{
      {"ab", {}}, {"c", {kRed, true}}, {"d", {Rgb{1, 2, 3}, false, true, true}}, {"e", {}}};
  EXPECT_EQ(ToAnsi(text), "ab\x1b[0;1;38;2;255;0;0mc\x1b[0;3;4;38;2;1;2;3md\x1b[0me");
  EXPECT_EQ(ToAnsi({{"x", Color(kGreen)}}), "\x1b[0;38;2;0;255;0mx\x1b[0m");
}

TEST(StyleRoomLine, ShowsTheSpeakerApartFromWhatHeSaid) {
  const StyledText own = StyleRoomLine("JoeBloggs:\t</s><b>hi</b>", "joebloggs");
  ASSERT_EQ(own.size(), 3u);
  EXPECT_EQ(own[0], (StyledRun{"JoeBloggs", {kMemberNameColor, true}}));
  EXPECT_EQ(own[1], (StyledRun{": ", {}}));
  EXPECT_EQ(own[2], (StyledRun{"hi", {std::nullopt, true}}));

  const StyledText bob = StyleRoomLine("Bob:\tit's <i>me</i>: Bob", "JoeBloggs");
  ASSERT_EQ(bob.size(), 4u);
  EXPECT_EQ(bob[0].text, "Bob");
  EXPECT_TRUE(bob[0].style.bold);
  EXPECT_NE(bob[0].style.color, kMemberNameColor);
  EXPECT_EQ(StyleRoomLine("BOB:\tx", "JoeBloggs")[0].style, bob[0].style);
  EXPECT_EQ(bob[2], (StyledRun{"me", {std::nullopt, false, true}}));

  EXPECT_EQ(StyleRoomLine("no speaker: here", "JoeBloggs"), (StyledText{{"no speaker: here", {}}}));
}

}  // namespace
}  // namespace jelt::ui
