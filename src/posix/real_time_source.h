// Real time for the event loop: monotonic seconds since the source was made, from the
// steady clock, and waits that block on the loop's condition variable until the moment
// comes or another thread posts an event.
#pragma once

#include <chrono>

#include "platform/basic_event_loop.h"

namespace jelt::posix {

class RealTimeSource final : public platform::TimeSource {
 public:
  RealTimeSource() : origin_(std::chrono::steady_clock::now()) {}

  double Now() const override;
  // An infinite moment waits until notified.
  void BlockUntil(double moment, std::unique_lock<std::mutex>& lock,
                  std::condition_variable& wake) override;

 private:
  const std::chrono::steady_clock::time_point origin_;
};

}  // namespace jelt::posix
