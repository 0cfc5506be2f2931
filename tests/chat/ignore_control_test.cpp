#include "chat/ignore_control.h"

#include <gtest/gtest.h>

#include "sim/world.h"
#include "support/temp_dir.h"
#include "ui/headless_ui.h"

namespace jelt::chat {
namespace {

class IgnoreControlTest : public ::testing::Test {
 protected:
  IgnoreControlTest() {
    world_.client.SetPeople({"Ann Marie", "Bob"});
    ignore_.ChatIgnoreSN = [this](const std::string& sn) { events_.push_back("ignored " + sn); };
    ignore_.ChatUnIgnoreSN = [this](const std::string& sn) {
      events_.push_back("unignored " + sn);
    };
    ignore_.ChatIgnoreError = [this](int) { events_.push_back("ignore error"); };
    ignore_.ChatUnIgnoreError = [this](int) { events_.push_back("unignore error"); };
    world_.client.on_transcript_line = [this](const std::string& line) { room_.push_back(line); };
  }
  void Wait(double seconds) { world_.loop.WaitUntil(world_.loop.Now() + seconds); }

  test::TempDir home_;
  sim::World world_{sim::WorldOptions{.home = home_.Path().string()}};
  ui::HeadlessUi ui_;
  aolwin::Client client_{world_.desktop, world_.loop, ui_};
  IgnoreControl ignore_{client_};
  std::vector<std::string> events_;
  std::vector<std::string> room_;
};

TEST_F(IgnoreControlTest, IgnoringAPersonInTheRoomSilencesHim) {
  ignore_.IgnoreSN("annmarie");  // screen names compare without case and spaces
  Wait(0.1);
  EXPECT_EQ(events_, std::vector<std::string>{"ignored annmarie"});
  EXPECT_TRUE(world_.client.Ignoring("Ann Marie"));
  world_.client.Say("Ann Marie", "can anyone hear me");
  world_.client.Say("Bob", "i can");
  EXPECT_EQ(room_, std::vector<std::string>{"Bob:\ti can"});

  ignore_.UnIgnoreSN("Ann Marie");
  Wait(0.1);
  EXPECT_EQ(events_.back(), "unignored Ann Marie");
  EXPECT_FALSE(world_.client.Ignoring("Ann Marie"));
  // The member window was closed again and the client's process handle let go.
  EXPECT_EQ(client_.FindChildByCaption(client_.FindMdiClient(),
                                       client_.FindChild(client_.FindMdiClient(), "AOL Child"),
                                       "Ann Marie"),
            0u);
  EXPECT_EQ(world_.desktop.OpenHandleCount(world_.program_process), 0u);
}

TEST_F(IgnoreControlTest, SomebodyNotInTheRoomIsAnError) {
  ignore_.IgnoreSN("Zed");
  ignore_.UnIgnoreSN("");
  Wait(0.1);
  EXPECT_EQ(events_, (std::vector<std::string>{"ignore error", "unignore error"}));
  EXPECT_EQ(world_.desktop.OpenHandleCount(world_.program_process), 0u);
}

TEST_F(IgnoreControlTest, AClientThatCannotBeReadIsAnError) {
  world_.desktop.FailMemoryReads(world_.client.ProcessId(), true);
  ignore_.IgnoreSN("Bob");
  Wait(0.1);
  EXPECT_EQ(events_, std::vector<std::string>{"ignore error"});
  EXPECT_FALSE(world_.client.Ignoring("Bob"));
}

}  // namespace
}  // namespace jelt::chat
