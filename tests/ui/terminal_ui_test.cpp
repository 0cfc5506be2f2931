#include "ui/terminal_ui.h"

#include <gtest/gtest.h>

#include "platform/process.h"
#include "sim/virtual_clock.h"

namespace jelt::ui {
namespace {

// The view on a screen that writes into a string, and the boxes on a loop in virtual
// time, so that a test says when each key comes.
class TerminalUiTest : public testing::Test {
 protected:
  TerminalUiTest() {
    view_.Open({24, 80});
    view_.on_line = [this](const std::string& line) { log_.push_back("line " + line); };
  }

  // The person types at a moment of the loop's clock.
  void TypeAt(double when, std::string_view bytes) {
    loop_.ScheduleWorld(when, [this, text = std::string(bytes)] {
      KeyDecoder decoder;
      std::vector<Key> keys;
      decoder.Feed(text, keys);
      decoder.Flush(keys);
      for (const Key& key : keys)
        view_.HandleKey(key);
    });
  }
  void AtTime(double when, std::function<void()> task) {
    loop_.ScheduleWorld(when, std::move(task));
  }

  sim::VirtualClock clock_{platform::LocalTime{}};
  platform::BasicEventLoop loop_{clock_};
  std::string written_;
  TerminalScreen screen_{[this](std::string_view bytes) { written_ += bytes; }};
  TerminalView view_{screen_, "JoeBloggs"};
  TerminalUi ui_{view_, loop_};
  std::vector<std::string> log_;
};

TEST_F(TerminalUiTest, AMessageBoxWaitsForEnterWhileTheRoomGoesOn) {
  AtTime(1, [this] {
    view_.ShowRoomLine("Bob:\thello while the box is up");
    log_.push_back("room line");
  });
  TypeAt(2, "typed before Enter");
  TypeAt(3, "\r");
  ui_.MessageBox("first line\r\nsecond line", "jelt mp³·²");
  log_.push_back("returned");
  EXPECT_EQ(log_, (std::vector<std::string>{"room line", "returned"}));
  EXPECT_EQ(loop_.Now(), 3);
  EXPECT_NE(written_.find("hello while the box is up"), std::string::npos);
  EXPECT_NE(written_.find("second line"), std::string::npos);
  // With the box gone, keys are the prompt's again.
  TypeAt(4, "ascii ~\r");
  loop_.WaitUntil(5);
  EXPECT_EQ(log_.back(), "line ascii ~");
}

TEST_F(TerminalUiTest, AnInputBoxTakesItsAnswerOrIsCancelled) {
  TypeAt(1, "\x7f\x7fJoe\r");
  EXPECT_EQ(ui_.InputBox("Enter your handle", "Handle", "user"), "usJoe");
  TypeAt(2, "abc\x1b");
  EXPECT_EQ(ui_.InputBox("Enter your handle", "Handle", ""), "");
}

TEST_F(TerminalUiTest, ABoxThatComesUpInsideAnotherTakesTheKeysFirst) {
  std::string inner;
  AtTime(1, [&] { inner = ui_.InputBox("inner", "Inner", ""); });
  TypeAt(2, "in\r");
  TypeAt(3, "out\r");
  EXPECT_EQ(ui_.InputBox("outer", "Outer", ""), "out");
  EXPECT_EQ(inner, "in");
}

TEST_F(TerminalUiTest, ABoxUnwoundByTheProgramsEndIsTakenAway) {
  AtTime(1, [] { throw platform::ProgramEnded{}; });
  EXPECT_THROW(ui_.MessageBox("never closed", "jelt"), platform::ProgramEnded);
  TypeAt(2, "time?\r");
  loop_.WaitUntil(3);
  EXPECT_EQ(log_, (std::vector<std::string>{"line time?"}));
}

TEST_F(TerminalUiTest, FormsKeepTheirFlags) {
  platform::Form form("Form3");
  ui_.ShowForm(form);
  EXPECT_TRUE(form.visible);
  ui_.MinimiseForm(form);
  EXPECT_TRUE(form.minimised);
  ui_.ShowForm(form);
  EXPECT_FALSE(form.minimised);
  ui_.KeepOnTop(form);
  EXPECT_TRUE(form.topmost);
  ui_.HideForm(form);
  EXPECT_FALSE(form.visible);
}

}  // namespace
}  // namespace jelt::ui
