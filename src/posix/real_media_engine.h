// The media player control with real sound: libmpg123 decodes on a worker thread of the
// engine's own and libout123 plays. The user-interface thread only opens and measures
// files and says what should happen; the worker does it, and its events (EndOfStream)
// reach the user-interface thread as tasks posted to the event loop, which are dropped
// when the file they belong to has been replaced, sought or stopped since, or the engine
// is gone.
//
// The position is what has been heard: decoded samples that still wait in the output do
// not count. The volume is a gain of 10^(hundredths/2000) that libmpg123 applies as it
// decodes, so it costs nothing per sample; mute is a gain of 0.
//
// The dummy output takes samples as fast as they come, so the engine feeds it at the pace
// a sound device would, a few seconds ahead; the position, and the end of the file, then
// come when they would be heard.
//
// Where the contract leaves a choice the engine makes the one the simulated engine
// documents (volume range, play counts, seeking while stopped, OpenStateChange after
// quick Opens).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/event_loop.h"
#include "platform/media_engine.h"
#include "posix/audio_output.h"
#include "posix/play_timeline.h"

namespace jelt::posix {

class MpegFile;

class RealMediaEngine final : public platform::MediaEngine {
 public:
  struct Options {
    OutputDriver output = OutputDriver::kDefault;
    // Off, the output is fed as fast as the decoder goes and what is written counts as
    // heard at once: only to measure the decoder on the dummy output.
    bool real_time = true;
  };

  // Opens the output before it returns (so a fallback to the dummy is said at once).
  explicit RealMediaEngine(platform::EventLoop& loop) : RealMediaEngine(loop, Options{}) {}
  RealMediaEngine(platform::EventLoop& loop, Options options);
  RealMediaEngine(const RealMediaEngine&) = delete;
  RealMediaEngine& operator=(const RealMediaEngine&) = delete;
  // Stops the worker; no event of this engine runs afterwards.
  ~RealMediaEngine() override;

  // The libout123 driver in use, such as "pulse" or "dummy".
  const std::string& OutputName() const { return output_name_; }

  void Open(const std::string& path) override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  int PlayState() const override { return state_; }

  double CurrentPosition() const override;
  bool SetCurrentPosition(double seconds) override;
  double Duration() const override { return duration_s_; }

  int Volume() const override { return volume_; }
  void SetVolume(int hundredths_db) override;
  bool Mute() const override { return mute_; }
  void SetMute(bool mute) override;
  int PlayCount() const override { return play_count_; }
  void SetPlayCount(int count) override;

 private:
  // What the worker keeps between its steps.
  struct Playback;

  // Starts a new course: playing or held at a position of the open file.
  void StartCourse(double position_s, bool run);
  void UpdateGain();
  void OnEnd(std::uint64_t course);

  void Work(OutputDriver driver, std::promise<std::string>& opened);
  // One step of the worker; false when it should wait for news.
  bool Step(Playback& playback, std::unique_lock<std::mutex>& lock);
  void TakeNewCourse(Playback& playback, std::unique_lock<std::mutex>& lock);
  bool PlayFrame(Playback& playback, std::unique_lock<std::mutex>& lock);
  bool FinishFile(Playback& playback, std::unique_lock<std::mutex>& lock);

  platform::EventLoop& loop_;
  const bool real_time_;
  std::string output_name_;
  // Tasks posted to the loop hold a weak reference, so that they do nothing once the
  // engine is gone.
  const std::shared_ptr<char> alive_ = std::make_shared<char>();

  // The user-interface thread's view.
  double duration_s_ = 0;
  int state_ = kStopped;
  int volume_ = 0;
  bool mute_ = false;
  int play_count_ = 1;
  std::uint64_t opens_ = 0;

  // Shared with the worker, under mutex_.
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool quit_ = false;
  std::uint64_t course_ = 0;  // changes with every Open, Play, Pause, Stop and seek
  bool run_ = false;
  double start_position_s_ = 0;
  bool new_file_ = false;
  std::unique_ptr<MpegFile> next_file_;
  bool repeat_ = false;
  double gain_ = 1.0;
  PlayTimeline timeline_;

  std::thread worker_;
};

}  // namespace jelt::posix
