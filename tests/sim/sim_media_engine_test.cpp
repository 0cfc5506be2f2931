// What only the simulated engine does: exact virtual time and the record of calls that
// the scenario runner prints.
#include "sim/sim_media_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/basic_event_loop.h"
#include "sim/virtual_clock.h"
#include "support/mp3_writer.h"
#include "support/temp_dir.h"

namespace jelt::test {
namespace {

using testing::ElementsAre;

class SimMediaEngineTest : public testing::Test {
 protected:
  SimMediaEngineTest() {
    engine_.on_record = [this](const std::string& event) { record_.push_back(event); };
  }
  void RunFor(double seconds) { loop_.WaitUntil(loop_.Now() + seconds); }

  sim::VirtualClock clock_{platform::LocalTime{}};
  platform::BasicEventLoop loop_{clock_};
  sim::SimMediaEngine engine_{loop_};
  TempDir dir_;
  std::vector<std::string> record_;
};

TEST_F(SimMediaEngineTest, EndsAtTheExactMomentInVirtualTime) {
  const Mp3Spec spec{.seconds = 180, .vbr = true, .xing = true};
  const std::string song = dir_ / "song.mp3";
  WriteMp3(song, spec);
  double ended_at_s = -1;
  engine_.on_end_of_stream = [&] { ended_at_s = loop_.Now(); };
  engine_.Open(song);
  RunFor(100.25);
  EXPECT_DOUBLE_EQ(engine_.CurrentPosition(), 100.25);
  RunFor(100);
  EXPECT_DOUBLE_EQ(ended_at_s, engine_.Duration());
}

TEST_F(SimMediaEngineTest, RecordsTheCallsThatChangeSomething) {
  const std::string song = dir_ / "song.mp3";
  WriteMp3(song, Mp3Spec{.seconds = 30});
  engine_.Stop();  // nothing open: nothing to tell
  engine_.Open(song);
  engine_.Play();  // already playing
  engine_.Pause();
  engine_.Pause();
  engine_.Play();
  EXPECT_TRUE(engine_.SetCurrentPosition(12.5));
  EXPECT_TRUE(engine_.SetCurrentPosition(0.1 + 0.2));
  EXPECT_FALSE(engine_.SetCurrentPosition(31));
  engine_.SetVolume(-500);
  engine_.SetVolume(-500);
  engine_.SetMute(true);
  engine_.SetMute(true);
  engine_.SetMute(false);
  engine_.SetPlayCount(0);
  engine_.SetPlayCount(1);
  engine_.Stop();
  engine_.Stop();
  engine_.Play();
  RunFor(31);
  engine_.Open(dir_ / "missing.mp3");
  EXPECT_THAT(record_,
              ElementsAre("[open] " + song, "[pause]", "[play]", "[seek] 12.5", "[seek] 0.3",
                          "[volume] -500", "[mute] on", "[mute] off", "[repeat] on", "[repeat] off",
                          "[stop]", "[play]", "[end] " + song, "[open] " + dir_ / "missing.mp3"));
}

TEST_F(SimMediaEngineTest, EndIsRecordedBeforeTheHandlerOpensTheNextFile) {
  const std::string first = dir_ / "first.mp3";
  const std::string second = dir_ / "second.mp3";
  WriteMp3(first, Mp3Spec{.seconds = 2});
  WriteMp3(second, Mp3Spec{.seconds = 2});
  engine_.on_end_of_stream = [&] { engine_.Open(second); };
  engine_.Open(first);
  RunFor(3);
  EXPECT_THAT(record_, ElementsAre("[open] " + first, "[end] " + first, "[open] " + second));
  EXPECT_EQ(engine_.PlayState(), platform::MediaEngine::kPlaying);
}

}  // namespace
}  // namespace jelt::test
