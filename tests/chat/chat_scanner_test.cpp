#include "chat/chat_scanner.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/world.h"
#include "support/temp_dir.h"
#include "ui/headless_ui.h"

namespace jelt::chat {
namespace {

class ChatScannerTest : public ::testing::Test {
 protected:
  ChatScannerTest() {
    for (int i = 0; i < 3; ++i) {
      scanners_[i]->ChatMsg = [this, i](const std::string& sn, const std::string& text) {
        heard_[i].push_back(sn + "|" + text);
      };
    }
  }

  void Say(const std::string& name, const std::string& text) { world_.client.Say(name, text); }
  void Wait(double seconds) { world_.loop.WaitUntil(world_.loop.Now() + seconds); }

  test::TempDir home_;
  sim::World world_{sim::WorldOptions{.home = home_.Path().string()}};
  ui::HeadlessUi ui_;
  aolwin::Client client_{world_.desktop, world_.loop, ui_};
  RoomWatch watch_{client_, world_.loop};
  ChatScanner chat1_{watch_}, chat2_{watch_}, chat3_{watch_};
  ChatScanner* scanners_[3] = {&chat1_, &chat2_, &chat3_};
  std::vector<std::string> heard_[3];
};

TEST_F(ChatScannerTest, EveryLineOnceInOrderWithinAHundredMilliseconds) {
  Say("Bob", "before the scanner");
  chat1_.ScanOn();
  Say("Bob", "hello");
  Wait(0.1);
  EXPECT_EQ(heard_[0], std::vector<std::string>{"Bob|hello"});
  Say("Bob", "again");
  Say("Bob", "again");  // the same line twice in a row
  Say("Ann Marie", "no: tab here:\tbut this one");
  Say("Bob", "");
  Wait(0.1);
  EXPECT_EQ(heard_[0], (std::vector<std::string>{"Bob|hello", "Bob|again", "Bob|again",
                                                 "Ann Marie|no: tab here:\tbut this one", "Bob|"}));
}

TEST_F(ChatScannerTest, LinesDroppedFromTheTranscriptDoNotConfuseIt) {
  world_.client.SetTranscriptLimit(2);
  chat1_.ScanOn();
  const std::vector<std::string> said = {"a", "b", "b", "c", "b", "b", "b", "a", "a", "a"};
  std::vector<std::string> expected;
  for (const std::string& text : said) {
    Say("Bob", text);
    Wait(0.05);
    expected.push_back("Bob|" + text);
  }
  EXPECT_EQ(heard_[0], expected);
}

TEST_F(ChatScannerTest, AFloodOfTwentyLinesASecondArrivesWhole) {
  chat1_.ScanOn();
  std::vector<std::string> expected;
  for (int i = 0; i < 400; ++i) {
    // A quarter of the lines repeat the line before.
    const std::string text = i % 4 == 3 ? "spam" : "line " + std::to_string(i);
    world_.loop.ScheduleWorld(i * 0.05, [this, text] { Say("Bob", text); });
    expected.push_back("Bob|" + text);
  }
  Wait(21);
  EXPECT_EQ(heard_[0], expected);
}

TEST_F(ChatScannerTest, InstancesGoOnAndOffIndependently) {
  chat1_.ScanOn();
  chat3_.ScanOn();
  Say("Bob", "one");
  Wait(0.1);
  chat2_.ScanOn();
  chat3_.ScanOff();
  Say("Bob", "two");
  Wait(0.1);
  EXPECT_EQ(heard_[0], (std::vector<std::string>{"Bob|one", "Bob|two"}));
  EXPECT_EQ(heard_[1], std::vector<std::string>{"Bob|two"});
  EXPECT_EQ(heard_[2], std::vector<std::string>{"Bob|one"});
}

TEST_F(ChatScannerTest, ALineSaidBeforeScanOnIsNotDelivered) {
  chat1_.ScanOn();
  Wait(0.1);
  Say("Bob", "said while only Chat1 listened");
  chat2_.ScanOn();
  Wait(0.1);
  EXPECT_EQ(heard_[0], std::vector<std::string>{"Bob|said while only Chat1 listened"});
  EXPECT_TRUE(heard_[1].empty());
}

TEST_F(ChatScannerTest, AHandlerThatWaitsHearsTheNextLinesInsideAndInOrder) {
  std::vector<std::string> events;
  chat1_.ChatMsg = [&](const std::string&, const std::string& text) {
    events.push_back("begin " + text);
    if (text == "first") Wait(1.0);
    events.push_back("end " + text);
  };
  chat1_.ScanOn();
  Say("Bob", "first");
  world_.loop.ScheduleWorld(world_.loop.Now() + 0.3, [&] { Say("Bob", "second"); });
  world_.loop.ScheduleWorld(world_.loop.Now() + 0.4, [&] { Say("Bob", "third"); });
  Wait(2);
  EXPECT_EQ(events, (std::vector<std::string>{"begin first", "begin second", "end second",
                                              "begin third", "end third", "end first"}));
}

TEST_F(ChatScannerTest, ANewRoomStartsAfresh) {
  chat1_.ScanOn();
  Say("Bob", "old room");
  Wait(0.1);
  world_.client.OpenRoom("Other Room", {});
  Wait(0.1);
  Say("Ann", "new room");
  Wait(0.1);
  EXPECT_EQ(heard_[0], (std::vector<std::string>{"Bob|old room", "Ann|new room"}));
}

TEST(SplitTest, SpeakerAndLines) {
  EXPECT_EQ(SplitSpeaker("Joe:\tp 3"), (std::pair<std::string, std::string>{"Joe", "p 3"}));
  EXPECT_EQ(SplitSpeaker("no speaker"), (std::pair<std::string, std::string>{"", "no speaker"}));
  EXPECT_EQ(SplitLines("a\r\nb\rc\n\r\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace jelt::chat
