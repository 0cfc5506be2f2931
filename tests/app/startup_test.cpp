#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "sim/world.h"
#include "support/sim_program.h"

namespace jelt::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(StartupTest, TheLoadsCounterCountsEarlierStarts) {
  test::SimProgram program;
  std::vector<std::string> counts;
  for (int start = 0; start < 3; ++start) {
    program.Start();
    program.Wait(1);
    counts.push_back(program.Form1().LoadCount);
    counts.push_back(program.World().profile.GetSetting("jelt1", "Times", "times"));
  }
  EXPECT_THAT(counts, ElementsAre("0", "1", "1", "2", "2", "3"));
}

TEST(StartupTest, AStoredCountThatIsNoNumberCountsAsNone) {
  test::SimProgram program;
  program.World().profile.SaveSetting("jelt1", "Times", "times", "lots");
  program.Start();
  program.Wait(1);
  EXPECT_EQ(program.Form1().LoadCount, "0");
  EXPECT_EQ(program.World().profile.GetSetting("jelt1", "Times", "times"), "1");
}

TEST(StartupTest, ACancelledHandlePromptLeavesAnEmptyHandleStored) {
  test::SimProgram program;
  program.Ui().QueueAnswer(std::nullopt);
  program.Session().StartProgram();
  program.Wait(1);
  EXPECT_EQ(program.Form1().UserHandle, "n/a");
  EXPECT_EQ(platform::ReadIniValue("Handle", "handle", program.SettingsPath()), "");
  EXPECT_EQ(program.TakeOutput()[1], "[inputbox] Enter your handle");
}

TEST(StartupTest, StoredSettingsComeBack) {
  test::SimProgram program;
  platform::WriteIniValue("Settings", "ascii", "<b>*</b>", program.SettingsPath());
  platform::WriteIniValue("played", "played", "41", program.SettingsPath());
  platform::WriteIniValue("Dir", "Dir1", program.Home() + "/nowhere", program.SettingsPath());
  program.Start();
  program.Wait(1);
  EXPECT_EQ(program.Form1().Label24.caption, "<b>*</b>");
  EXPECT_EQ(program.Form1().player.Label17.caption, "41");
  EXPECT_EQ(program.Form1().player.txtdir.text, program.Home() + "/nowhere");
  EXPECT_EQ(program.Form1().player.File1.ListCount(), 0);
  EXPECT_TRUE(program.Form1().interpreter.Chat1.Scanning());
  EXPECT_FALSE(program.Form1().interpreter.Chat2.Scanning());
}

// A member line that comes while an action waits is dispatched inside that wait, and the
// first action then goes on: "adv" waits half a second between its two lines.
TEST(ReentrancyTest, ALineDuringAWaitIsObeyedInsideItAndTheFirstActionGoesOn) {
  test::SimProgram program;
  program.Start();
  program.Wait(1);
  program.TakeOutput();
  program.MemberSays("adv");
  // Said a moment later, by the world: the program is then inside the wait of "adv".
  sim::World& world = program.World();
  world.loop.ScheduleWorld(world.loop.Now() + 0.2, [&] { program.MemberSays("time?"); });
  program.Wait(2);
  const std::vector<std::string> lines = program.TakeOutput();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_THAT(lines[1], HasSubstr("(final)"));
  EXPECT_EQ(lines[2], "JoeBloggs:\ttime?");
  EXPECT_THAT(lines[3], HasSubstr("time: <font color=#98ccff>9:05:"));
  EXPECT_THAT(lines[4], HasSubstr("loads: "));
}

TEST(StartupTest, TheCloseSpotsAnnounceTheEndAndEndTheProgram) {
  test::SimProgram program;
  program.Start();
  program.Wait(1);
  program.TakeOutput();
  program.Session().Run([&] { program.Form1().Label16_Click(); });
  const std::vector<std::string> lines = program.TakeOutput();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_THAT(lines[1], HasSubstr(" inative "));
  EXPECT_EQ(lines[2], "[exit]");
  EXPECT_FALSE(program.Session().ProgramRunning());
}

}  // namespace
}  // namespace jelt::app
