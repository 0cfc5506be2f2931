#include "sim/sim_media_engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "posix/mpeg_length.h"

namespace jelt::sim {

namespace {

constexpr int kQuietest = -10000;

// To the microsecond: positions computed in virtual time carry the binary fractions of
// sums such as 0.06 + 0.06, and 15.000000000000002 would say nothing that 15 does not.
std::string ShortestDecimal(double value) {
  const double rounded = std::round(value * 1e6) / 1e6;
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, rounded == 0 ? 0.0 : rounded);
  return std::string(text, result.ptr);
}

}  // namespace

SimMediaEngine::~SimMediaEngine() {
  CancelEnd();
  loop_.Cancel(open_task_);
}

void SimMediaEngine::Open(const std::string& path) {
  CancelEnd();
  Record("[open] " + path);
  path_ = path;
  duration_s_ = posix::MpegDurationSeconds(path);
  state_ = duration_s_ > 0 ? kPlaying : kStopped;
  Anchor(0);
  ScheduleEnd();
  loop_.Cancel(open_task_);
  open_task_ = loop_.ScheduleAt(loop_.Now(), [this] {
    open_task_ = 0;
    if (on_open_state_change) on_open_state_change();
  });
}

void SimMediaEngine::Play() {
  if (duration_s_ <= 0 || state_ == kPlaying) return;
  state_ = kPlaying;
  Anchor(anchor_position_s_);
  Record("[play]");
  ScheduleEnd();
}

void SimMediaEngine::Pause() {
  if (state_ != kPlaying) return;
  CancelEnd();
  Anchor(CurrentPosition());
  state_ = kPaused;
  Record("[pause]");
}

void SimMediaEngine::Stop() {
  const bool was_running = state_ != kStopped;
  CancelEnd();
  state_ = kStopped;
  Anchor(0);
  if (was_running) Record("[stop]");
}

double SimMediaEngine::CurrentPosition() const {
  if (state_ != kPlaying) return anchor_position_s_;
  const double position = anchor_position_s_ + (loop_.Now() - anchor_time_s_);
  return Looping() ? std::fmod(position, duration_s_) : std::min(position, duration_s_);
}

bool SimMediaEngine::SetCurrentPosition(double seconds) {
  if (duration_s_ <= 0 || !(seconds >= 0 && seconds <= duration_s_)) return false;
  Anchor(seconds);
  Record("[seek] " + ShortestDecimal(seconds));
  ScheduleEnd();
  return true;
}

void SimMediaEngine::SetVolume(int hundredths_db) {
  const int volume = std::clamp(hundredths_db, kQuietest, 0);
  if (volume == volume_) return;
  volume_ = volume;
  Record("[volume] " + std::to_string(volume));
}

void SimMediaEngine::SetMute(bool mute) {
  if (mute == mute_) return;
  mute_ = mute;
  Record(mute ? "[mute] on" : "[mute] off");
}

void SimMediaEngine::SetPlayCount(int count) {
  if (count < 0 || count == play_count_) return;
  const bool was_looping = Looping();
  // The position wraps while looping; fix it before the rule changes.
  Anchor(CurrentPosition());
  play_count_ = count;
  if (Looping() != was_looping) Record(Looping() ? "[repeat] on" : "[repeat] off");
  ScheduleEnd();
}

void SimMediaEngine::Anchor(double position_s) {
  anchor_position_s_ = position_s;
  anchor_time_s_ = loop_.Now();
}

void SimMediaEngine::ScheduleEnd() {
  CancelEnd();
  if (state_ != kPlaying || Looping()) return;
  const double end_s = anchor_time_s_ + (duration_s_ - anchor_position_s_);
  end_task_ = loop_.ScheduleAt(end_s, [this] { End(); });
}

void SimMediaEngine::CancelEnd() {
  if (end_task_ != 0) loop_.Cancel(end_task_);
  end_task_ = 0;
}

void SimMediaEngine::End() {
  end_task_ = 0;
  state_ = kStopped;
  Anchor(0);
  Record("[end] " + path_);
  if (on_end_of_stream) on_end_of_stream();
}

void SimMediaEngine::Record(const std::string& event) const {
  if (on_record) on_record(event);
}

}  // namespace jelt::sim
