#include "platform/timer.h"

namespace jelt::platform {

Timer::Timer(EventLoop& loop, int interval_ms, std::function<void()> on_tick)
    : loop_(loop), interval_ms_(interval_ms), on_tick_(std::move(on_tick)) {}

Timer::~Timer() {
  if (pending_ != 0) loop_.Cancel(pending_);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) {
    Arm();
  } else if (pending_ != 0) {
    loop_.Cancel(pending_);
    pending_ = 0;
  }
}

void Timer::SetInterval(int interval_ms) {
  interval_ms_ = interval_ms;
  if (!enabled_) return;
  if (pending_ != 0) loop_.Cancel(pending_);
  Arm();
}

void Timer::Arm() {
  pending_ = loop_.ScheduleAt(loop_.Now() + interval_ms_ / 1000.0, [this] { Tick(); });
}

void Timer::Tick() {
  pending_ = 0;
  Arm();
  on_tick_();
}

}  // namespace jelt::platform
