#include "posix/play_timeline.h"

#include <algorithm>

namespace jelt::posix {

void PlayTimeline::Reset(double file_position_s, bool running, Clock::time_point now) {
  running_ = running;
  written_s_ = 0;
  clock_base_s_ = 0;
  clock_start_ = now;
  segments_.assign(1, Segment{0, file_position_s});
}

void PlayTimeline::Written(double seconds, Clock::time_point now) {
  // When the output had run dry (at the start, or the decoder fell behind), the clock
  // restarts with these samples rather than counting the silence as heard.
  if (running_ &&
      clock_base_s_ + std::chrono::duration<double>(now - clock_start_).count() > written_s_) {
    clock_base_s_ = written_s_;
    clock_start_ = now;
  }
  written_s_ += seconds;
  const double heard_s = HeardSeconds(now);
  while (segments_.size() > 1 && segments_[1].stream_s <= heard_s)
    segments_.pop_front();
}

void PlayTimeline::Wrapped() {
  segments_.push_back(Segment{written_s_, 0});
}

double PlayTimeline::HeardSeconds(Clock::time_point now) const {
  if (instant_output_) return written_s_;
  const double clock_s =
      running_ ? clock_base_s_ + std::chrono::duration<double>(now - clock_start_).count()
               : clock_base_s_;
  return std::min(clock_s, written_s_);
}

double PlayTimeline::FilePositionSeconds(Clock::time_point now) const {
  const double heard_s = HeardSeconds(now);
  const auto after =
      std::upper_bound(segments_.begin() + 1, segments_.end(), heard_s,
                       [](double at, const Segment& segment) { return at < segment.stream_s; });
  const Segment& segment = *(after - 1);
  return segment.file_s + (heard_s - segment.stream_s);
}

}  // namespace jelt::posix
