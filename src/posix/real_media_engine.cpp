#include "posix/real_media_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "posix/mpeg_file.h"

namespace jelt::posix {

namespace {

constexpr int kQuietest = -10000;
// How far ahead of what is heard the worker fills an output that does not keep time, and
// how far the lead may shrink before it fills again. Nothing is heard from such an output,
// so the lead costs only the decoding thrown away at a seek; each wake-up costs far more
// than decoding, so the worker wakes once every few seconds.
constexpr double kLeadSeconds = 5.0;
constexpr double kRefillSeconds = kLeadSeconds / 2;

double GainOf(int hundredths_db, bool mute) {
  return mute ? 0.0 : std::pow(10.0, hundredths_db / 2000.0);
}

PlayTimeline::Clock::time_point Now() {
  return PlayTimeline::Clock::now();
}

PlayTimeline::Clock::duration Seconds(double seconds) {
  return std::chrono::duration_cast<PlayTimeline::Clock::duration>(
      std::chrono::duration<double>(seconds));
}

}  // namespace

struct RealMediaEngine::Playback {
  AudioOutput& output;
  std::unique_ptr<MpegFile> file;
  std::uint64_t course = 0;
  bool run = false;
  // Every sample of the file is in the output; it ends when they have been heard.
  bool at_end = false;
  bool end_posted = false;
  double gain = std::numeric_limits<double>::quiet_NaN();
};

RealMediaEngine::RealMediaEngine(platform::EventLoop& loop, Options options)
    : loop_(loop), real_time_(options.real_time), timeline_(!options.real_time) {
  std::promise<std::string> opened;
  std::future<std::string> name = opened.get_future();
  worker_ = std::thread([this, driver = options.output, opened = std::move(opened)]() mutable {
    Work(driver, opened);
  });
  output_name_ = name.get();
}

RealMediaEngine::~RealMediaEngine() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

// ----- The user-interface thread -----

void RealMediaEngine::Open(const std::string& path) {
  std::unique_ptr<MpegFile> file = MpegFile::Open(path);
  duration_s_ = file ? file->DurationSeconds() : 0.0;
  state_ = file ? kPlaying : kStopped;
  {
    std::lock_guard lock(mutex_);
    next_file_ = std::move(file);
    new_file_ = true;
  }
  StartCourse(0, state_ == kPlaying);
  const std::uint64_t open = ++opens_;
  loop_.Post([this, alive = std::weak_ptr(alive_), open] {
    if (alive.expired() || open != opens_) return;
    if (on_open_state_change) on_open_state_change();
  });
}

void RealMediaEngine::Play() {
  if (duration_s_ <= 0 || state_ == kPlaying) return;
  state_ = kPlaying;
  StartCourse(CurrentPosition(), true);
}

void RealMediaEngine::Pause() {
  if (state_ != kPlaying) return;
  state_ = kPaused;
  StartCourse(CurrentPosition(), false);
}

void RealMediaEngine::Stop() {
  state_ = kStopped;
  StartCourse(0, false);
}

double RealMediaEngine::CurrentPosition() const {
  std::lock_guard lock(mutex_);
  return std::clamp(timeline_.FilePositionSeconds(Now()), 0.0, duration_s_);
}

bool RealMediaEngine::SetCurrentPosition(double seconds) {
  if (duration_s_ <= 0 || !(seconds >= 0 && seconds <= duration_s_)) return false;
  StartCourse(seconds, state_ == kPlaying);
  return true;
}

void RealMediaEngine::SetVolume(int hundredths_db) {
  volume_ = std::clamp(hundredths_db, kQuietest, 0);
  UpdateGain();
}

void RealMediaEngine::SetMute(bool mute) {
  mute_ = mute;
  UpdateGain();
}

// The output may already hold the file's start after its end, or its end without a start
// after it; a playing file therefore goes on in a new course from where it is heard.
void RealMediaEngine::SetPlayCount(int count) {
  if (count < 0) return;
  const bool repeat = count == 0;
  const bool changed = repeat != (play_count_ == 0);
  play_count_ = count;
  {
    std::lock_guard lock(mutex_);
    repeat_ = repeat;
  }
  if (changed && state_ == kPlaying) StartCourse(CurrentPosition(), true);
}

// Pausing is a course held where it stands, and resuming a course that starts there: the
// output is emptied in both, so what it held is neither lost nor heard twice.
void RealMediaEngine::StartCourse(double position_s, bool run) {
  {
    std::lock_guard lock(mutex_);
    ++course_;
    run_ = run;
    start_position_s_ = position_s;
    timeline_.Reset(position_s, run, Now());
  }
  wake_.notify_all();
}

void RealMediaEngine::UpdateGain() {
  {
    std::lock_guard lock(mutex_);
    gain_ = GainOf(volume_, mute_);
  }
  wake_.notify_all();
}

void RealMediaEngine::OnEnd(std::uint64_t course) {
  {
    std::lock_guard lock(mutex_);
    if (course != course_) return;
  }
  state_ = kStopped;
  StartCourse(0, false);
  if (on_end_of_stream) on_end_of_stream();
}

// ----- The worker -----

// The output is made and used on the worker alone, as some of libout123's drivers want.
void RealMediaEngine::Work(OutputDriver driver, std::promise<std::string>& opened) {
  AudioOutput output(driver);
  opened.set_value(output.DriverName());
  Playback playback{output, nullptr};
  std::unique_lock lock(mutex_);
  while (!quit_) {
    if (!Step(playback, lock)) wake_.wait(lock);
  }
}

bool RealMediaEngine::Step(Playback& playback, std::unique_lock<std::mutex>& lock) {
  if (playback.course != course_) {
    TakeNewCourse(playback, lock);
    return true;
  }
  if (!playback.run || !playback.file || playback.end_posted) return false;
  if (playback.gain != gain_) {
    playback.gain = gain_;
    playback.file->SetGain(gain_);
  }
  if (playback.at_end) return FinishFile(playback, lock);
  if (real_time_ && !playback.output.PacesItself()) {
    const double ahead_s = timeline_.AheadSeconds(Now());
    if (ahead_s >= kLeadSeconds) {
      wake_.wait_until(lock, Now() + Seconds(ahead_s - kRefillSeconds));
      return true;
    }
  }
  return PlayFrame(playback, lock);
}

void RealMediaEngine::TakeNewCourse(Playback& playback, std::unique_lock<std::mutex>& lock) {
  playback.course = course_;
  playback.run = run_;
  playback.at_end = false;
  playback.end_posted = false;
  std::unique_ptr<MpegFile> retired;
  if (new_file_) {
    retired = std::move(playback.file);
    playback.file = std::move(next_file_);
    new_file_ = false;
    playback.gain = std::numeric_limits<double>::quiet_NaN();
  }
  const double position_s = start_position_s_;
  lock.unlock();
  retired.reset();
  playback.output.Drop();
  if (playback.file) {
    playback.output.Start(playback.file->Rate(), MpegFile::kChannels);
    playback.file->SeekSample(std::llround(position_s * playback.file->Rate()));
  }
  if (!playback.run) playback.output.Pause();
  lock.lock();
}

bool RealMediaEngine::PlayFrame(Playback& playback, std::unique_lock<std::mutex>& lock) {
  lock.unlock();
  const std::span<unsigned char> samples = playback.file->DecodeFrame();
  if (!samples.empty()) playback.output.Play(samples);
  lock.lock();
  // A course that changed meanwhile empties the output when it is taken.
  if (playback.course != course_) return true;
  if (samples.empty()) {
    if (repeat_) {
      playback.file->SeekSample(0);
      timeline_.Wrapped();
    } else {
      playback.at_end = true;
    }
    return true;
  }
  const double seconds =
      static_cast<double>(samples.size() / MpegFile::kBytesPerFrame) / playback.file->Rate();
  timeline_.Written(seconds, Now());
  return true;
}

// Waits until the last samples have been heard, then tells the user-interface thread.
bool RealMediaEngine::FinishFile(Playback& playback, std::unique_lock<std::mutex>& lock) {
  const double ahead_s = timeline_.AheadSeconds(Now());
  if (ahead_s > 0) {
    wake_.wait_until(lock, Now() + Seconds(ahead_s));
    return true;
  }
  if (playback.output.PacesItself()) {
    lock.unlock();
    playback.output.Drain();
    lock.lock();
    if (playback.course != course_) return true;
  }
  playback.end_posted = true;
  loop_.Post([this, alive = std::weak_ptr(alive_), course = playback.course] {
    if (!alive.expired()) OnEnd(course);
  });
  return true;
}

}  // namespace jelt::posix
