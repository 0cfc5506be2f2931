// The media player control on the simulated desktop: it plays in the event loop's virtual
// time, each file for its true length as libmpg123 measures it, and raises EndOfStream at
// the moment the file ends.
//
// It tells an observer what it was asked to do, for the scenario runner's output. Only
// calls that change something are told, in these texts:
//   "[open] PATH"         every Open, with the path as given, even for a file that cannot
//                         be opened
//   "[stop]"              Stop while a file plays or is paused
//   "[pause]"             Pause while a file plays
//   "[play]"              Play while a file is open and not playing
//   "[seek] SECONDS"      an accepted seek, to the microsecond in the shortest decimal
//                         form ("12.5", "30")
//   "[volume] N"          a new volume, in hundredths of a decibel
//   "[mute] on|off"       a change of Mute
//   "[repeat] on|off"     PlayCount changing to 0, or from 0 to another count
//   "[end] PATH"          EndOfStream, just before the handler runs
//
// Choices the contract leaves open, made the same way in the real engine: Volume is kept
// within -10000 .. 0; a PlayCount other than 0 plays once, and a negative one is ignored;
// seeking a stopped file is accepted and Play then starts from there (Stop and the end of
// the file both put the position back to 0); with nothing open every seek is refused.
// Each Open is followed by OpenStateChange unless another Open comes before it is
// handled; the handler then runs once, for the newer file.
#pragma once

#include <functional>
#include <string>

#include "platform/event_loop.h"
#include "platform/media_engine.h"

namespace jelt::sim {

class SimMediaEngine final : public platform::MediaEngine {
 public:
  explicit SimMediaEngine(platform::EventLoop& loop) : loop_(loop) {}
  SimMediaEngine(const SimMediaEngine&) = delete;
  SimMediaEngine& operator=(const SimMediaEngine&) = delete;
  ~SimMediaEngine() override;

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

  // Told each call that changed something, in the texts above.
  std::function<void(const std::string& event)> on_record;

 private:
  bool Looping() const { return play_count_ == 0; }
  // Makes the position a fixed value from now on, so that the clock can restart there.
  void Anchor(double position_s);
  void ScheduleEnd();
  void CancelEnd();
  void End();
  void Record(const std::string& event) const;

  platform::EventLoop& loop_;
  std::string path_;
  double duration_s_ = 0;  // 0: nothing open
  int state_ = kStopped;
  // While playing the position runs from anchor_position_s_ at loop time anchor_time_s_.
  double anchor_position_s_ = 0;
  double anchor_time_s_ = 0;
  int volume_ = 0;
  bool mute_ = false;
  int play_count_ = 1;
  platform::EventLoop::TaskId end_task_ = 0;
  platform::EventLoop::TaskId open_task_ = 0;
};

}  // namespace jelt::sim
