// A timer control. Like a window timer it holds at most one pending tick: the next tick
// is queued when one starts, so a handler that waits (and so handles events) can be
// re-entered by its own timer. A handler that must not nest guards itself.
#pragma once

#include <functional>

#include "platform/event_loop.h"

namespace jelt::platform {

class Timer {
 public:
  Timer(EventLoop& loop, int interval_ms, std::function<void()> on_tick);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  bool Enabled() const { return enabled_; }
  // Enabling a timer that is off starts a full interval; enabling one that is on changes
  // nothing.
  void SetEnabled(bool enabled);
  int Interval() const { return interval_ms_; }
  void SetInterval(int interval_ms);

 private:
  void Arm();
  void Tick();

  EventLoop& loop_;
  int interval_ms_;
  std::function<void()> on_tick_;
  bool enabled_ = false;
  EventLoop::TaskId pending_ = 0;
};

}  // namespace jelt::platform
