// What has been heard of a file, as opposed to what has been decoded: the output holds
// decoded samples for a while before they sound. The timeline counts the seconds written
// to the output since playback last started somewhere in the file, runs a clock from the
// first of them, and takes the heard position as the clock's reading, never more than what
// was written. Where the file starts over (looping) while its end is still in the output,
// the position follows the output across the seam.
//
// Not synchronised: the engine guards it with its own lock.
#pragma once

#include <chrono>
#include <deque>

namespace jelt::posix {

class PlayTimeline {
 public:
  using Clock = std::chrono::steady_clock;

  // An output that takes samples and sounds them at once: heard is written.
  explicit PlayTimeline(bool instant_output) : instant_output_(instant_output) {}

  // Playback starts anew at a position of the file, nothing written yet. When `running`,
  // the clock starts with the first samples written.
  void Reset(double file_position_s, bool running, Clock::time_point now);
  // Samples lasting `seconds` went to the output after the earlier ones.
  void Written(double seconds, Clock::time_point now);
  // The next samples written are the file's beginning again.
  void Wrapped();

  // Seconds of written samples not yet heard.
  double AheadSeconds(Clock::time_point now) const { return written_s_ - HeardSeconds(now); }
  double FilePositionSeconds(Clock::time_point now) const;

 private:
  // A stretch of the output that plays the file on from file_s, beginning stream_s seconds
  // after the reset.
  struct Segment {
    double stream_s;
    double file_s;
  };

  // Seconds heard since the reset.
  double HeardSeconds(Clock::time_point now) const;

  const bool instant_output_;
  bool running_ = false;
  double written_s_ = 0;
  // The clock reads clock_base_s_ at clock_start_ and runs on from there.
  double clock_base_s_ = 0;
  Clock::time_point clock_start_;
  std::deque<Segment> segments_{{0, 0}};
};

}  // namespace jelt::posix
