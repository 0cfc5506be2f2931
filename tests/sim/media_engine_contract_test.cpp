// One contract for both media engines: the simulated one in virtual time and the real one
// on libout123's dummy output in real time. The real engine's files are short; its
// positions and end moments are held against the loop's own clock, which a late wake-up of
// the test cannot fool, with a margin for a busy machine.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/basic_event_loop.h"
#include "platform/media_engine.h"
#include "posix/mpeg_length.h"
#include "posix/real_media_engine.h"
#include "posix/real_time_source.h"
#include "sim/sim_media_engine.h"
#include "sim/virtual_clock.h"
#include "support/mp3_writer.h"
#include "support/temp_dir.h"

namespace jelt::test {
namespace {

using platform::MediaEngine;

struct SimWorld {
  static constexpr double kMargin_s = 1e-9;
  sim::VirtualClock clock{platform::LocalTime{}};
  platform::BasicEventLoop loop{clock};
  std::unique_ptr<MediaEngine> NewEngine() { return std::make_unique<sim::SimMediaEngine>(loop); }
};

struct RealWorld {
  static constexpr double kMargin_s = 0.15;
  posix::RealTimeSource time;
  platform::BasicEventLoop loop{time};
  std::unique_ptr<MediaEngine> NewEngine() {
    return std::make_unique<posix::RealMediaEngine>(
        loop, posix::RealMediaEngine::Options{.output = posix::OutputDriver::kDummy});
  }
};

template <class World>
class MediaEngineContract : public testing::Test {
 protected:
  static constexpr double kMargin_s = World::kMargin_s;

  void SetUp() override {
    engine_ = world_.NewEngine();
    engine_->on_end_of_stream = [this] { ends_at_.push_back(Now()); };
    engine_->on_open_state_change = [this] { ++open_changes_; };
  }

  MediaEngine& Engine() { return *engine_; }
  double Now() { return world_.loop.Now(); }
  void RunFor(double seconds) { world_.loop.WaitUntil(Now() + seconds); }
  std::string Mp3(const std::string& name, double seconds) {
    const std::string path = dir_ / name;
    WriteMp3(path, Mp3Spec{.seconds = seconds});
    return path;
  }

  World world_;
  TempDir dir_;
  std::unique_ptr<MediaEngine> engine_;
  std::vector<double> ends_at_;  // loop time of each EndOfStream
  int open_changes_ = 0;
};

using Worlds = testing::Types<SimWorld, RealWorld>;
class WorldNames {
 public:
  template <class World>
  static std::string GetName(int) {
    return std::is_same_v<World, SimWorld> ? "Sim" : "Real";
  }
};
TYPED_TEST_SUITE(MediaEngineContract, Worlds, WorldNames);

TYPED_TEST(MediaEngineContract, NothingOpenHasDefaultsAndRefusesEverything) {
  MediaEngine& engine = this->Engine();
  EXPECT_EQ(engine.Duration(), 0);
  EXPECT_EQ(engine.PlayState(), MediaEngine::kStopped);
  EXPECT_EQ(engine.Volume(), 0);
  EXPECT_FALSE(engine.Mute());
  EXPECT_EQ(engine.PlayCount(), 1);
  EXPECT_FALSE(engine.SetCurrentPosition(0));
  engine.Play();
  EXPECT_EQ(engine.PlayState(), MediaEngine::kStopped);
  EXPECT_EQ(engine.CurrentPosition(), 0);
}

TYPED_TEST(MediaEngineContract, OpenStartsAtOnceWithTheMeasuredLength) {
  MediaEngine& engine = this->Engine();
  const std::string song = this->Mp3("song.mp3", 2.0);
  const double opened_at_s = this->Now();
  engine.Open(song);
  EXPECT_EQ(engine.PlayState(), MediaEngine::kPlaying);
  EXPECT_DOUBLE_EQ(engine.Duration(), posix::MpegDurationSeconds(song));
  EXPECT_NEAR(engine.Duration(), 2.0, 0.03);
  EXPECT_EQ(this->open_changes_, 0) << "the event comes through the loop, not from Open";

  this->RunFor(0.4);
  EXPECT_EQ(this->open_changes_, 1);
  // What has been heard, not what the decoder has got through.
  EXPECT_NEAR(engine.CurrentPosition(), this->Now() - opened_at_s, this->kMargin_s);
}

TYPED_TEST(MediaEngineContract, EveryOpenIsFollowedByOpenStateChange) {
  MediaEngine& engine = this->Engine();
  const std::string song = this->Mp3("song.mp3", 1.0);
  for (const std::string& path : {song, this->dir_ / "missing.mp3", song}) {
    const int before = this->open_changes_;
    engine.Open(path);
    this->RunFor(0.05);
    EXPECT_EQ(this->open_changes_, before + 1) << path;
  }
  // Opens in quick succession: the handler runs once, when the last file is open.
  engine.Open(song);
  engine.Open(this->Mp3("other.mp3", 0.5));
  this->RunFor(0.05);
  EXPECT_EQ(this->open_changes_, 4);
}

TYPED_TEST(MediaEngineContract, AFileThatCannotBeOpenedReplacesTheOldOneQuietly) {
  MediaEngine& engine = this->Engine();
  const std::string song = this->Mp3("song.mp3", 0.5);
  for (const std::string& bad :
       {this->dir_ / "missing.mp3", this->dir_.Write("notes.mp3", "just some text\n")}) {
    engine.Open(song);
    this->RunFor(0.1);
    engine.Open(bad);
    EXPECT_EQ(engine.Duration(), 0) << bad;
    EXPECT_EQ(engine.PlayState(), MediaEngine::kStopped) << bad;
    EXPECT_FALSE(engine.SetCurrentPosition(0)) << bad;
    engine.Play();
    EXPECT_EQ(engine.PlayState(), MediaEngine::kStopped) << bad;
    this->RunFor(0.6);  // past the end of the song it replaced
    EXPECT_TRUE(this->ends_at_.empty()) << bad;
  }
}

TYPED_TEST(MediaEngineContract, PauseHoldsThePositionAndPlayResumesThere) {
  MediaEngine& engine = this->Engine();
  const double opened_at_s = this->Now();
  engine.Open(this->Mp3("song.mp3", 2.0));
  this->RunFor(0.4);
  engine.Pause();
  EXPECT_EQ(engine.PlayState(), MediaEngine::kPaused);
  const double held_s = engine.CurrentPosition();
  EXPECT_NEAR(held_s, this->Now() - opened_at_s, this->kMargin_s);
  this->RunFor(0.3);
  EXPECT_EQ(engine.CurrentPosition(), held_s);

  const double resumed_at_s = this->Now();
  engine.Play();
  EXPECT_EQ(engine.PlayState(), MediaEngine::kPlaying);
  this->RunFor(0.3);
  EXPECT_NEAR(engine.CurrentPosition(), held_s + (this->Now() - resumed_at_s), this->kMargin_s);
}

TYPED_TEST(MediaEngineContract, StopKeepsTheFileAndPlayStartsItAgain) {
  MediaEngine& engine = this->Engine();
  engine.Open(this->Mp3("song.mp3", 0.8));
  const double duration_s = engine.Duration();
  this->RunFor(0.4);
  engine.Stop();
  EXPECT_EQ(engine.PlayState(), MediaEngine::kStopped);
  EXPECT_EQ(engine.CurrentPosition(), 0);
  EXPECT_EQ(engine.Duration(), duration_s);
  this->RunFor(0.6);  // past where the file would have ended
  EXPECT_TRUE(this->ends_at_.empty());

  const double started_at_s = this->Now();
  engine.Play();
  EXPECT_EQ(engine.PlayState(), MediaEngine::kPlaying);
  this->RunFor(0.2);
  EXPECT_NEAR(engine.CurrentPosition(), this->Now() - started_at_s, this->kMargin_s);
}

TYPED_TEST(MediaEngineContract, SeekingMovesWithinTheFileAndRefusesOutsideIt) {
  MediaEngine& engine = this->Engine();
  engine.Open(this->Mp3("song.mp3", 2.0));
  const double duration_s = engine.Duration();
  engine.Pause();
  ASSERT_TRUE(engine.SetCurrentPosition(1.25));
  EXPECT_EQ(engine.CurrentPosition(), 1.25);
  EXPECT_EQ(engine.PlayState(), MediaEngine::kPaused);

  for (const double refused_s :
       {-0.5, -1e-6, duration_s + 0.01, 1e9, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(engine.SetCurrentPosition(refused_s)) << refused_s;
    EXPECT_EQ(engine.CurrentPosition(), 1.25) << refused_s;
    EXPECT_EQ(engine.PlayState(), MediaEngine::kPaused) << refused_s;
  }

  // While playing, the file goes on from the new position and ends that much sooner.
  engine.Play();
  const double sought_at_s = this->Now();
  ASSERT_TRUE(engine.SetCurrentPosition(duration_s - 0.5));
  EXPECT_NEAR(engine.CurrentPosition(), duration_s - 0.5, this->kMargin_s);
  this->RunFor(0.5 + 2 * this->kMargin_s + 0.1);
  ASSERT_EQ(this->ends_at_.size(), 1u);
  EXPECT_NEAR(this->ends_at_[0], sought_at_s + 0.5, this->kMargin_s);
}

TYPED_TEST(MediaEngineContract, PlayingOnceEndsOnceAtTheEnd) {
  MediaEngine& engine = this->Engine();
  const double opened_at_s = this->Now();
  engine.Open(this->Mp3("song.mp3", 0.8));
  const double duration_s = engine.Duration();
  this->RunFor(duration_s + 2 * this->kMargin_s + 0.1);
  ASSERT_EQ(this->ends_at_.size(), 1u);
  EXPECT_NEAR(this->ends_at_[0], opened_at_s + duration_s, this->kMargin_s);
  EXPECT_NE(engine.PlayState(), MediaEngine::kPlaying);
  this->RunFor(duration_s);
  EXPECT_EQ(this->ends_at_.size(), 1u);
}

TYPED_TEST(MediaEngineContract, PlayCountZeroRepeatsWithoutEnd) {
  MediaEngine& engine = this->Engine();
  engine.SetPlayCount(0);
  const double opened_at_s = this->Now();
  engine.Open(this->Mp3("song.mp3", 0.5));
  const double duration_s = engine.Duration();
  this->RunFor(2.5 * duration_s);
  EXPECT_TRUE(this->ends_at_.empty());
  EXPECT_EQ(engine.PlayState(), MediaEngine::kPlaying);
  const double position_s = engine.CurrentPosition();
  EXPECT_NEAR(position_s, std::fmod(this->Now() - opened_at_s, duration_s), this->kMargin_s);

  // Back to playing once: the file ends when it next comes to its end.
  const double once_at_s = this->Now();
  engine.SetPlayCount(1);
  this->RunFor(duration_s + 2 * this->kMargin_s + 0.1);
  ASSERT_EQ(this->ends_at_.size(), 1u);
  EXPECT_NEAR(this->ends_at_[0], once_at_s + (duration_s - position_s), this->kMargin_s);
}

TYPED_TEST(MediaEngineContract, OpenReplacesAPlayingFileWithoutEndingIt) {
  MediaEngine& engine = this->Engine();
  engine.Open(this->Mp3("first.mp3", 0.6));
  this->RunFor(0.3);
  const double replaced_at_s = this->Now();
  engine.Open(this->Mp3("second.mp3", 1.2));
  const double duration_s = engine.Duration();
  EXPECT_EQ(engine.PlayState(), MediaEngine::kPlaying);
  EXPECT_NEAR(engine.CurrentPosition(), 0, this->kMargin_s);
  this->RunFor(duration_s + 2 * this->kMargin_s + 0.1);
  ASSERT_EQ(this->ends_at_.size(), 1u) << "the first file must not end";
  EXPECT_NEAR(this->ends_at_[0], replaced_at_s + duration_s, this->kMargin_s);
}

TYPED_TEST(MediaEngineContract, VolumeMuteAndPlayCountAreKeptAcrossFiles) {
  MediaEngine& engine = this->Engine();
  engine.SetVolume(-1234);
  engine.SetMute(true);
  engine.SetPlayCount(0);
  engine.Open(this->Mp3("song.mp3", 0.5));
  engine.Open(this->Mp3("other.mp3", 0.5));
  EXPECT_EQ(engine.Volume(), -1234);
  EXPECT_TRUE(engine.Mute());
  EXPECT_EQ(engine.PlayCount(), 0);
  engine.SetVolume(-2500);
  engine.SetMute(false);
  EXPECT_EQ(engine.Volume(), -2500);
  EXPECT_FALSE(engine.Mute());
}

TYPED_TEST(MediaEngineContract, NoEventArrivesAfterTheEngineIsGone) {
  std::unique_ptr<MediaEngine> engine = this->world_.NewEngine();
  engine->on_end_of_stream = [this] { this->ends_at_.push_back(this->Now()); };
  engine->on_open_state_change = [this] { ++this->open_changes_; };
  engine->Open(this->Mp3("song.mp3", 0.3));
  this->RunFor(0.1);
  ASSERT_EQ(this->open_changes_, 1);
  engine->Open(this->Mp3("other.mp3", 0.3));  // its OpenStateChange is still queued
  engine.reset();
  this->RunFor(0.5);
  EXPECT_TRUE(this->ends_at_.empty());
  EXPECT_EQ(this->open_changes_, 1);
}

}  // namespace
}  // namespace jelt::test
