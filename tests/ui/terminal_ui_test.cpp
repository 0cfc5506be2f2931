#include "ui/terminal_ui.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/process.h"
#include "sim/virtual_clock.h"
#include "ui/terminal_panel_refresher.h"

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

// A panel with a box being filled in on its second line, shown while `shown` holds.
class BoxPanel final : public TerminalPanel {
 public:
  std::string Name() const override { return "box"; }
  bool Visible() const override { return shown; }
  std::vector<StyledText> Render(int, bool) const override {
    ++renders;
    return {{{"title", {}}}, {{"year: 1999", {}}}};
  }
  std::optional<PanelPlace> Cursor(int) const override { return PanelPlace{1, 10}; }
  bool HandleKey(const Key&) override { return true; }

  bool shown = true;
  mutable int renders = 0;
};

// Where the last write left the terminal's cursor: its row and column.
std::pair<int, int> CursorAfter(const std::string& written) {
  static const std::regex kLastMove(R"(\x1b\[(\d+);(\d+)H\x1b\[\?25h$)");
  std::smatch match;
  if (!std::regex_search(written, match, kLastMove)) return {0, 0};
  return {std::stoi(match[1]), std::stoi(match[2])};
}

TEST_F(TerminalUiTest, TheCursorStandsInAFocusedPanelsBoxAndComesBackWithEscape) {
  BoxPanel panel;
  view_.AddPanel(panel);
  EXPECT_EQ(CursorAfter(written_).first, 24);
  view_.HandleKey(FunctionKey(2));
  // The panel area begins on the second row, under the header.
  EXPECT_EQ(CursorAfter(written_), (std::pair{3, 11}));
  view_.HandleKey(PlainKey(KeyCode::kEscape));
  EXPECT_EQ(CursorAfter(written_).first, 24);
}

TEST_F(TerminalUiTest, PanelsAreLookedAtAFewTimesASecondOnlyWhileOneIsShown) {
  BoxPanel panel;
  view_.AddPanel(panel);
  PanelRefresher refresher(view_, loop_);
  refresher.Wake();
  int before = panel.renders;
  loop_.WaitUntil(1.1);
  EXPECT_EQ(panel.renders - before, 4);
  // With no panel shown nothing is left to wake the loop.
  panel.shown = false;
  loop_.WaitUntil(2);
  EXPECT_EQ(loop_.PendingCount(), 0u);
  // A panel that comes up wakes it again.
  panel.shown = true;
  refresher.Wake();
  before = panel.renders;
  loop_.WaitUntil(3.1);
  EXPECT_EQ(panel.renders - before, 4);
}

}  // namespace
}  // namespace jelt::ui
