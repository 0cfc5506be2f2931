#include <gmock/gmock.h>

#include <fstream>

#include "id3tag/id3_tags.h"
#include "ui/panel_fixture.h"
#include "ui/tag_editor_panel.h"
#include "ui/tag_viewer_panel.h"

namespace jelt::ui {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr std::string_view kDown = "\x1b[B";
constexpr std::string_view kUp = "\x1b[A";

// The first song carries a tag with an empty album and comment, and is selected.
class TagPanelsTest : public PanelTest {
 protected:
  void SetUp() override {
    StartWith({"A_Song.mp3", "B_Song.mp3"});
    song_ = MusicPath("A_Song.mp3");
    tags_.SetTagArtist(song_, "Ann");
    tags_.SetTagTitle(song_, "Tune");
    tags_.SetTagYear(song_, "1999");
    program_.Session().Run([this] { Form1().player.List4.SetListIndex(0); });
  }

  std::vector<std::string> TagOnDisk() {
    return {tags_.TagArtist(song_), tags_.TagAlbum(song_), tags_.TagTitle(song_),
            tags_.TagYear(song_), tags_.TagComment(song_)};
  }

  id3tag::Id3Tags tags_;
  std::string song_;
};

TEST_F(TagPanelsTest, TheViewerShowsItsSixRowsWhileLoaded) {
  TagViewerPanel panel(program_.Session());
  EXPECT_FALSE(panel.Visible());
  Say("vtags");
  ASSERT_TRUE(panel.Visible());
  EXPECT_THAT(
      Plain(panel.Render(PanelTest::kColumns, false)),
      ElementsAre(StartsWith("─ tag viewer ───"), "   song:    A_Song", "   artist:  Ann",
                  "   title:   Tune", "   Album:   n/a", "   year:    1999", "   comment: n/a"));
  Form1().tag_windows.Form9()->Label14_Click();
  EXPECT_FALSE(panel.Visible());
}

// Most taggers pad the fields with zero bytes, and the program keeps them as it reads them;
// a window shows its text up to the first.
TEST_F(TagPanelsTest, ZeroPaddedFieldsShowUpToTheirFirstZeroByte) {
  std::string tag = "TAG" + std::string("Zed") + std::string(27, '\0') + "Nul" +
                    std::string(27, '\0') + std::string(30, '\0') + "2001" + std::string(30, '\0');
  tag.push_back('\xff');
  std::ofstream(MusicPath("B_Song.mp3"), std::ios::binary | std::ios::app) << tag;
  program_.Session().Run([this] { Form1().player.List4.SetListIndex(1); });
  TagViewerPanel viewer(program_.Session());
  TagEditorPanel editor(program_.Session());
  Say("vtags");
  Say("etags");
  EXPECT_EQ(Plain(viewer.Render(kColumns, false))[2], "   artist:  Nul");
  EXPECT_EQ(Plain(editor.Render(kColumns, false))[3], "   title:   Zed");
  Type(editor, "!");
  EXPECT_EQ(Form1().tag_windows.Form10()->Text1.text, "Nul!");
  EXPECT_EQ(editor.Cursor(kColumns), (PanelPlace{1, 16}));
}

TEST_F(TagPanelsTest, TheEditorShowsItsBoxesAndButtonsWithTheCursorInTheFocusedBox) {
  TagEditorPanel panel(program_.Session());
  Say("etags");
  ASSERT_TRUE(panel.Visible());
  EXPECT_THAT(Plain(panel.Render(kColumns, true)),
              ElementsAre(StartsWith("─ tag editor ───"), " ▶ artist:  Ann",
                          "   album:", "   title:   Tune", "   year:    1999", "   comment:",
                          "   [ Set Tags ]  [ Cancel ]", HasSubstr("Enter: next box")));
  // After the caption column, at the end of "Ann".
  EXPECT_EQ(panel.Cursor(kColumns), (PanelPlace{1, 15}));
  Type(panel, std::string(kDown) + std::string(kDown) + "\x01");  // title, Ctrl-A
  EXPECT_EQ(panel.Cursor(kColumns), (PanelPlace{3, 12}));
  Type(panel, "\t\t\t\x1b[C");  // on to the buttons, then Right
  EXPECT_EQ(panel.Cursor(kColumns), (PanelPlace{6, 19}));
  EXPECT_EQ(Plain(panel.Render(kColumns, false))[1], "   artist:  Ann");
}

TEST_F(TagPanelsTest, WhatIsTypedGoesIntoTheFocusedBoxAndSetTagsWritesIt) {
  TagEditorPanel panel(program_.Session());
  Say("etags");
  program_.TakeOutput();
  // Down to the year, clear it with Ctrl-U and type a new one.
  Type(panel, std::string(kDown) + std::string(kDown) + std::string(kDown) + "\x15" + "2024");
  EXPECT_EQ(Form1().tag_windows.Form10()->Text4.text, "2024");
  // A box the program fills meanwhile is edited as it now reads.
  Form1().tag_windows.Form10()->Text2.text = "Hits";
  Type(panel, std::string(kUp) + std::string(kUp) + "\x7f" + "z");
  EXPECT_EQ(Form1().tag_windows.Form10()->Text2.text, "Hitz");
  // Enter goes from box to box and then presses "Set Tags".
  Type(panel, "\r\r\r\r\r");
  EXPECT_THAT(TagOnDisk(), ElementsAre("Ann", "Hitz", "Tune", "2024", ""));
  EXPECT_THAT(program_.TakeOutput(), Contains(HasSubstr(" tags set.")));
  EXPECT_EQ(Form1().tag_windows.Form10(), nullptr);
  EXPECT_FALSE(panel.Visible());
}

TEST_F(TagPanelsTest, CancelUnloadsTheEditorWithoutWriting) {
  TagEditorPanel panel(program_.Session());
  Say("etags");
  Type(panel, "xyz" + std::string(kUp) + "\t\t\t\t\t\t");
  EXPECT_EQ(Form1().tag_windows.Form10()->Text1.text, "Annxyz");
  Type(panel, "\r");
  EXPECT_EQ(Form1().tag_windows.Form10(), nullptr);
  EXPECT_THAT(TagOnDisk(), ElementsAre("Ann", "", "Tune", "1999", ""));
  // The next editor starts on its first box again.
  Say("etags");
  EXPECT_EQ(panel.Cursor(kColumns), (PanelPlace{1, 15}));
}

// "Set Tags" waits before the window goes; the program can end in that wait.
TEST_F(TagPanelsTest, AProgramEndDuringSetTagsIsHandled) {
  TagEditorPanel panel(program_.Session());
  Say("etags");
  sim::World& world = program_.World();
  world.loop.ScheduleWorld(world.loop.Now() + 0.1, [this] { program_.MemberSays("end"); });
  // Keys that come during the wait are not taken as a second press.
  world.loop.ScheduleWorld(world.loop.Now() + 0.2, [&] { Type(panel, "\r"); });
  Type(panel, "\x1b[A\x1b[A\x1b[A\x1b[A\x1b[A\x1b[A\t\t\t\t\t\r");
  EXPECT_FALSE(program_.Session().ProgramRunning());
  EXPECT_FALSE(panel.Visible());
  EXPECT_FALSE(panel.Cursor(kColumns).has_value());
  const std::vector<std::string> output = program_.TakeOutput();
  EXPECT_EQ(std::count_if(output.begin(), output.end(),
                          [](const std::string& line) {
                            return line.find(" tags set.") != std::string::npos;
                          }),
            1);
  EXPECT_EQ(output.back(), "[exit]");
}

}  // namespace
}  // namespace jelt::ui
