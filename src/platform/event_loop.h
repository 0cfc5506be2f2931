// The one user-interface thread. Everything the program does runs as an event on this loop:
// timer ticks, chat lines, player events, a person's actions. Waits keep handling events,
// so a handler can be re-entered in the middle of another one.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>

namespace jelt::platform {

class EventLoop {
 public:
  using Task = std::function<void()>;
  using TaskId = std::uint64_t;

  static constexpr double kForever = std::numeric_limits<double>::infinity();

  virtual ~EventLoop() = default;

  // Monotonic seconds; never jumps back, does not restart at midnight.
  virtual double Now() const = 0;

  // Queues a task for the next pass. Safe to call from any thread.
  virtual void Post(Task task) = 0;
  // Queues a task for a moment (monotonic seconds); a moment in the past means "now".
  virtual TaskId ScheduleAt(double when, Task task) = 0;
  // Drops a task that has not run yet; unknown or finished tasks are ignored.
  virtual void Cancel(TaskId id) = 0;

  // One pass over what is due now: each event runs to its end, possibly nesting further
  // passes. Events queued during the pass wait for the next one.
  virtual void DoEvents() = 0;
  // Handles events until Now() reaches the deadline. Never spins: between events it blocks
  // until the next one is due or the deadline comes.
  virtual void WaitUntil(double deadline) = 0;
  // Lets time pass until the deadline without handling the program's own events. The other
  // programs on the desktop go on meanwhile.
  virtual void SleepUntil(double deadline) = 0;
};

}  // namespace jelt::platform
