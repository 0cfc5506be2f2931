#include <gtest/gtest.h>

#include "player/player_state.h"
#include "player/time_display.h"
#include "support/temp_dir.h"

namespace jelt::player {
namespace {

TEST(PlayerRulesTest, TimeDisplayRoundsMinutesAndSecondsApart) {
  const struct {
    double seconds;
    const char* text;
  } cases[] = {
      {125.3, "02:05"},
      {754.6, "12:35"},
      {0.4, "00:00"},
      {0, "00:00"},
      {59.6, "01:-00"},  // minutes from the rounded time, seconds from the
                         // unrounded one
      {89.5, "01:30"},   // 89.5 rounds to 90 (even) for the minutes; 29.5 shows as 30
      {90.5, "01:31"},   // 90.5 rounds to 90 for the minutes; 30.5 shows as 31
      {3600, "60:00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TimeText(c.seconds), c.text) << c.seconds;
}

TEST(PlayerRulesTest, NamesWithoutTheirExtension) {
  const struct {
    const char* file;
    const char* stripped;
    const char* display;
  } cases[] = {
      {"My_Song.MP3", "My_Song", "My Song"},
      {"a.mp3.txt", "a.txt", "a.txt"},
      {"x.Mp3.mP3", "x", "x"},
      {"A_B_.mp3", "A_B_", "A B "},
      {".mp3", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StripMp3(c.file), c.stripped) << c.file;
    EXPECT_EQ(DisplayName(c.file), c.display) << c.file;
  }
}

TEST(PlayerRulesTest, ThePlayedCounterStepsOnlyANumber) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {{"7", "8"}, {"41", "42"}, {"", ""}, {"lots", "lots"}, {" 2 ", "3"}, {"1.5", "2.5"}};
  for (const auto& c : cases) {
    PlayerState state;
    state.Label17.caption = c.before;
    state.StepPlayedCounter();
    EXPECT_EQ(state.Label17.caption, c.after) << c.before;
  }
}

TEST(PlayerRulesTest, ThePlayListIsACopyOfTheFileList) {
  test::TempDir dir;
  for (const char* name : {"d.mp3.txt", "e.wav", "B_c.MP3", "a.mp3"})
    dir.Write(name, "x");
  PlayerState state;
  state.File1.SetPath(dir.Path().string());
  state.txtdir.text = dir.Path().string();
  state.List4.AddItem("stale");
  state.FillPlayList();
  EXPECT_EQ(state.List4.Items(), (std::vector<std::string>{"a.mp3", "B_c.MP3", "d.mp3.txt"}));
  EXPECT_EQ(state.List4.ListIndex(), -1);
  EXPECT_EQ(state.EntryPath("a.mp3"), dir.Path().string() + "/a.mp3");
}

}  // namespace
}  // namespace jelt::player
