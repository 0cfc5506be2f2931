// The event loop that both worlds run on: the program's events and, on the simulated
// desktop, the events of the other programs (the client's message pump and timers), in
// one order of time. Only the source of time differs: virtual time jumps to the next
// event; real time blocks until it comes.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <unordered_map>

#include "platform/event_loop.h"

namespace jelt::platform {

// Where time comes from, and how the loop waits for it.
class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual double Now() const = 0;
  // Waits until the moment (or until `wake` is notified); virtual time simply moves there.
  // Called with `lock` held; may release it while it waits.
  virtual void BlockUntil(double moment, std::unique_lock<std::mutex>& lock,
                          std::condition_variable& wake) = 0;
};

class BasicEventLoop final : public EventLoop {
 public:
  // The program's own events, and those of the other programs on the desktop.
  enum class Lane { kProgram, kWorld };

  explicit BasicEventLoop(TimeSource& time) : time_(time) {}

  double Now() const override { return time_.Now(); }
  void Post(Task task) override;
  TaskId ScheduleAt(double when, Task task) override;
  void Cancel(TaskId id) override;
  void DoEvents() override;
  void WaitUntil(double deadline) override;
  void SleepUntil(double deadline) override;

  // Events of the other programs on the desktop; they also run while the program sleeps.
  TaskId ScheduleWorld(double when, Task task);
  void PostWorld(Task task) { ScheduleWorld(Now(), std::move(task)); }

  // Runs the loop until `done` holds, or for ever with no condition; for hosts.
  void Run(const std::function<bool()>& done);

  // Drops every queued event of the program, as when its process is gone.
  void DropProgramEvents();

  // How many events are queued, for tests.
  std::size_t PendingCount() const;

 private:
  struct Key {
    double when;
    TaskId id;
    bool operator<(const Key& other) const {
      return when < other.when || (when == other.when && id < other.id);
    }
  };
  using Queue = std::map<Key, Task>;

  TaskId Schedule(double when, Task task, Lane lane);
  // Runs, in order of time, the events due now that were queued before the call.
  void Pass(bool program_too);
  // The moment of the next queued event (of the world only, or of both lanes).
  double NextMoment(bool program_too) const;
  void WaitLoop(double deadline, bool program_too);

  TimeSource& time_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  Queue program_;
  Queue world_;
  std::unordered_map<TaskId, std::pair<Key, Lane>> index_;
  TaskId next_id_ = 1;
};

}  // namespace jelt::platform
