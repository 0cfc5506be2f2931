#include "platform/basic_event_loop.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/timer.h"
#include "sim/virtual_clock.h"

namespace jelt::platform {
namespace {

class EventLoopTest : public ::testing::Test {
 protected:
  sim::VirtualClock clock_{LocalTime{}};
  BasicEventLoop loop_{clock_};
  std::vector<std::string> seen_;
};

TEST_F(EventLoopTest, WaitJumpsFromEventToEventInVirtualTime) {
  loop_.ScheduleAt(2.0, [&] { seen_.push_back("b@" + std::to_string(loop_.Now())); });
  loop_.ScheduleAt(1.0, [&] { seen_.push_back("a@" + std::to_string(loop_.Now())); });
  loop_.ScheduleAt(9.0, [&] { seen_.push_back("late"); });
  loop_.WaitUntil(5.0);
  EXPECT_EQ(seen_, (std::vector<std::string>{"a@1.000000", "b@2.000000"}));
  EXPECT_EQ(loop_.Now(), 5.0);
}

TEST_F(EventLoopTest, APassLeavesEventsPostedDuringItForTheNextPass) {
  loop_.Post([&] {
    seen_.push_back("first");
    loop_.Post([&] { seen_.push_back("posted meanwhile"); });
  });
  loop_.DoEvents();
  EXPECT_EQ(seen_, std::vector<std::string>{"first"});
  loop_.DoEvents();
  EXPECT_EQ(seen_.back(), "posted meanwhile");
}

TEST_F(EventLoopTest, AWaitInsideAnEventHandlesTheEventsDueMeanwhile) {
  loop_.Post([&] {
    seen_.push_back("outer begins");
    loop_.WaitUntil(loop_.Now() + 1.0);
    seen_.push_back("outer goes on");
  });
  loop_.ScheduleAt(0.5, [&] { seen_.push_back("inner"); });
  loop_.WaitUntil(2.0);
  EXPECT_EQ(seen_, (std::vector<std::string>{"outer begins", "inner", "outer goes on"}));
}

TEST_F(EventLoopTest, SleepLetsTheWorldRunWhileTheProgramsEventsWait) {
  loop_.ScheduleAt(0.5, [&] { seen_.push_back("program"); });
  loop_.ScheduleWorld(0.5, [&] { seen_.push_back("world"); });
  loop_.SleepUntil(1.0);
  EXPECT_EQ(seen_, std::vector<std::string>{"world"});
  loop_.DoEvents();
  EXPECT_EQ(seen_.back(), "program");
}

TEST_F(EventLoopTest, CancelledAndDroppedEventsNeverRun) {
  const auto id = loop_.ScheduleAt(1.0, [&] { seen_.push_back("cancelled"); });
  loop_.Cancel(id);
  loop_.ScheduleAt(1.0, [&] { seen_.push_back("dropped"); });
  loop_.ScheduleWorld(1.0, [&] { seen_.push_back("world"); });
  loop_.DropProgramEvents();
  loop_.WaitUntil(2.0);
  EXPECT_EQ(seen_, std::vector<std::string>{"world"});
}

TEST_F(EventLoopTest, ATimerTicksEveryIntervalAndHoldsOneTickAtMost) {
  int ticks = 0;
  int nested = 0;
  int depth = 0;
  Timer timer(loop_, 100, [&] {
    ++ticks;
    ++depth;
    if (depth > 1) ++nested;
    // The first tick waits four intervals: the timer ticks inside it once per interval
    // (the tick due as the wait ends comes after it), not four ticks queued up at once.
    if (ticks == 1) loop_.WaitUntil(loop_.Now() + 0.4);
    --depth;
  });
  timer.SetEnabled(true);
  loop_.WaitUntil(1.0);
  EXPECT_EQ(ticks, 10);
  EXPECT_EQ(nested, 3);
  timer.SetEnabled(false);
  loop_.WaitUntil(2.0);
  EXPECT_EQ(ticks, 10);
}

}  // namespace
}  // namespace jelt::platform
