// Virtual time: a clock that moves only when the event loop waits, jumping straight to the
// next thing due. A scenario of an hour runs in milliseconds, and the same script gives the
// same run.
#pragma once

#include "platform/basic_event_loop.h"
#include "platform/clock.h"

namespace jelt::sim {

class VirtualClock final : public platform::Clock, public platform::TimeSource {
 public:
  // The local date and time at monotonic second 0.
  explicit VirtualClock(platform::LocalTime start);

  double Now() const override { return now_; }
  void BlockUntil(double moment, std::unique_lock<std::mutex>& lock,
                  std::condition_variable& wake) override;

  double Monotonic() const override { return now_; }
  platform::LocalTime Local() const override;
  std::string TimeText() const override { return platform::UsTimeText(Local()); }
  std::string DateText() const override { return platform::UsDateText(Local()); }

 private:
  double now_ = 0;
  long long start_days_;  // days since 1970-01-01 of the start date
  double start_seconds_;  // seconds since midnight at the start
};

}  // namespace jelt::sim
