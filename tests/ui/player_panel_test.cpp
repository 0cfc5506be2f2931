#include "ui/player_panel.h"

#include <gmock/gmock.h>

#include "ui/directory_panel.h"
#include "ui/panel_fixture.h"
#include "ui/playlist_panel.h"

namespace jelt::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> Songs(int count) {
  std::vector<std::string> songs;
  for (int i = 1; i <= count; ++i)
    songs.push_back("Song_" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".mp3");
  return songs;
}

using PlayerPanelTest = PanelTest;

TEST_F(PlayerPanelTest, ShowsTheSongItsTimesTheModeAndThePlayList) {
  StartWith({"A_Song.mp3", "B_Song.mp3", "C_Song.mp3"});
  PlayerPanel panel(program_.Session());
  Say("p 2");
  const std::vector<std::string> lines = Plain(panel.Render(kColumns, false));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_THAT(lines[0], StartsWith("─ jelt mp³·² ───"));
  EXPECT_THAT(lines[1], StartsWith(" mp3: B Song "));
  // Half-way through the wait the elapsed time shows; the length is the file's.
  EXPECT_NE(Form1().player.Label2.caption, "00:00");
  EXPECT_THAT(lines[1], testing::EndsWith("  " + Form1().player.Label2.caption + " / 00:03"));
  EXPECT_EQ(lines[2], " mode:  (•) Normal  ( ) Cont.  ( ) Rand");
  EXPECT_THAT(std::vector(lines.begin() + 3, lines.end()),
              ElementsAre("   1  A_Song.mp3", " ▶ 2  B_Song.mp3", "   3  C_Song.mp3"));
  // With the focus, the keys it takes are listed under it.
  const std::vector<std::string> focused = Plain(panel.Render(kColumns, true));
  ASSERT_EQ(focused.size(), 7u);
  EXPECT_THAT(focused[6], HasSubstr("n c r: mode"));
}

TEST_F(PlayerPanelTest, ScrollsToKeepTheSelectionInSight) {
  StartWith(Songs(20));
  PlayerPanel panel(program_.Session());
  Say("p 15");
  std::vector<std::string> lines = Plain(panel.Render(kColumns, false));
  EXPECT_THAT(lines[0], testing::EndsWith(" 10–15 of 20 ─"));
  EXPECT_EQ(lines[3], "   10  Song_10.mp3");
  EXPECT_EQ(lines[8], " ▶ 15  Song_15.mp3");
  Say("p 3");
  lines = Plain(panel.Render(kColumns, false));
  EXPECT_EQ(lines[3], " ▶  3  Song_03.mp3");
  EXPECT_EQ(lines[8], "    8  Song_08.mp3");
  // A selection already in sight moves nothing.
  Type(panel, "\x1b[B\x1b[B");
  EXPECT_EQ(Form1().player.List4.ListIndex(), 4);
  EXPECT_EQ(Plain(panel.Render(kColumns, false))[3], "    3  Song_03.mp3");
}

TEST_F(PlayerPanelTest, KeysMoveTheSelectionAndRunTheModeButtons) {
  StartWith({"A.mp3", "B.mp3", "C.mp3"});
  PlayerPanel panel(program_.Session());
  Type(panel, "\x1b[B");  // Down, with nothing selected yet
  EXPECT_EQ(Form1().player.List4.ListIndex(), 0);
  // "Cont." while stopped starts the entry after the selection.
  Type(panel, "c");
  EXPECT_TRUE(Form1().player.modes.IsSelected(player::kContinuous));
  EXPECT_EQ(Form1().player.List4.ListIndex(), 1);
  EXPECT_THAT(program_.TakeOutput(), testing::Contains(HasSubstr("playing: <b>2</b>")));
  // While a song plays a mode key only changes the mode.
  Type(panel, "r");
  EXPECT_TRUE(Form1().player.modes.IsSelected(player::kRandom));
  EXPECT_EQ(Form1().player.List4.ListIndex(), 1);
  Type(panel, "n");
  EXPECT_TRUE(Form1().player.modes.IsSelected(player::kNormal));
  EXPECT_THAT(program_.TakeOutput(), testing::IsEmpty());
  // Keys it has no use for go on to the prompt.
  EXPECT_FALSE(panel.HandleKey(CharKey('x')));
}

TEST_F(PlayerPanelTest, AModeWithNoSongsShowsItsBoxAndGoesBackToNormal) {
  StartWith({});
  PlayerPanel panel(program_.Session());
  EXPECT_THAT(Plain(panel.Render(kColumns, false))[3], HasSubstr("no songs"));
  Type(panel, "r");
  EXPECT_THAT(program_.TakeOutput(),
              ElementsAre("[form1] hidden", "[msgbox] set a directory with mp3's in it fool",
                          "[form1] shown"));
  EXPECT_TRUE(Form1().player.modes.IsSelected(player::kNormal));
  EXPECT_TRUE(panel.Visible());
}

TEST_F(PlayerPanelTest, GoesWithTheProgramsEnd) {
  StartWith({"A.mp3"});
  PlayerPanel panel(program_.Session());
  EXPECT_TRUE(panel.Visible());
  Say("end");
  EXPECT_FALSE(program_.Session().ProgramRunning());
  EXPECT_FALSE(panel.Visible());
  EXPECT_TRUE(panel.Render(kColumns, false).empty());
  EXPECT_FALSE(panel.HandleKey(PlainKey(KeyCode::kDown)));
}

TEST(MovedSelectionTest, StaysWithinTheListAndComesInAtEitherEnd) {
  struct Case {
    KeyCode key;
    int selected;
    int count;
    std::optional<int> moved;
  };
  const Case cases[] = {
      {KeyCode::kDown, -1, 5, 0},    {KeyCode::kUp, -1, 5, 4},
      {KeyCode::kDown, 4, 5, 4},     {KeyCode::kUp, 0, 5, 0},
      {KeyCode::kPageDown, 1, 5, 4}, {KeyCode::kPageDown, -1, 9, 3},
      {KeyCode::kPageUp, 4, 9, 1},   {KeyCode::kPageUp, 2, 9, 0},
      {KeyCode::kHome, 3, 5, 0},     {KeyCode::kEnd, -1, 5, 4},
      {KeyCode::kDown, -1, 0, -1},   {KeyCode::kEnter, 2, 5, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MovedSelection(PlainKey(c.key), c.selected, c.count, 3), c.moved)
        << static_cast<int>(c.key) << " from " << c.selected << " of " << c.count;
  }
}

using WindowPanelsTest = PanelTest;

TEST_F(WindowPanelsTest, ThePlayListWindowAndTheDirectoryChooserShowWhileShown) {
  StartWith(Songs(10));
  PlaylistPanel playlist(program_.Session());
  DirectoryPanel directory(program_.Session());
  EXPECT_FALSE(playlist.Visible());
  EXPECT_FALSE(directory.Visible());

  Say("viewmp3s");
  ASSERT_TRUE(playlist.Visible());
  std::vector<std::string> lines = Plain(playlist.Render(kColumns, false));
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_THAT(lines[0], StartsWith("─ play list ───"));
  EXPECT_THAT(lines[0], testing::EndsWith(" 1–8 of 10 ─"));
  EXPECT_EQ(lines[1], "   Song_01.mp3");
  // Scrolling moves the panel's window, not the program's selection.
  Type(playlist, "\x1b[6~");  // Page Down
  EXPECT_EQ(Plain(playlist.Render(kColumns, false))[1], "   Song_03.mp3");
  EXPECT_EQ(Form1().player.Form3.List1.ListIndex(), -1);
  Say("hidemp3s");
  EXPECT_FALSE(playlist.Visible());

  Say("dir");
  ASSERT_TRUE(directory.Visible());
  EXPECT_THAT(Plain(directory.Render(kColumns, false)),
              ElementsAre(StartsWith("─ directory ───"), "   " + program_.Home() + "/music"));
}

}  // namespace
}  // namespace jelt::ui
