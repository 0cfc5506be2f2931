#include "platform/basic_event_loop.h"

#include <algorithm>

namespace jelt::platform {

void BasicEventLoop::Post(Task task) {
  ScheduleAt(Now(), std::move(task));
}

EventLoop::TaskId BasicEventLoop::ScheduleAt(double when, Task task) {
  return Schedule(when, std::move(task), Lane::kProgram);
}

EventLoop::TaskId BasicEventLoop::ScheduleWorld(double when, Task task) {
  return Schedule(when, std::move(task), Lane::kWorld);
}

EventLoop::TaskId BasicEventLoop::Schedule(double when, Task task, Lane lane) {
  std::lock_guard lock(mutex_);
  const Key key{std::max(when, time_.Now()), next_id_++};
  (lane == Lane::kProgram ? program_ : world_).emplace(key, std::move(task));
  index_.emplace(key.id, std::pair{key, lane});
  wake_.notify_all();
  return key.id;
}

void BasicEventLoop::Cancel(TaskId id) {
  std::lock_guard lock(mutex_);
  const auto it = index_.find(id);
  if (it == index_.end()) return;
  const auto [key, lane] = it->second;
  (lane == Lane::kProgram ? program_ : world_).erase(key);
  index_.erase(it);
}

void BasicEventLoop::DropProgramEvents() {
  std::lock_guard lock(mutex_);
  for (const auto& [key, task] : program_)
    index_.erase(key.id);
  program_.clear();
}

std::size_t BasicEventLoop::PendingCount() const {
  std::lock_guard lock(mutex_);
  return program_.size() + world_.size();
}

void BasicEventLoop::Pass(bool program_too) {
  std::unique_lock lock(mutex_);
  const double now = time_.Now();
  const TaskId limit = next_id_;
  // Within a lane the events that were due when the pass began come first, so it is
  // enough to look at the head of each lane.
  const auto due = [&](const Queue& queue) {
    if (queue.empty()) return false;
    const Key& key = queue.begin()->first;
    return key.when <= now && key.id < limit;
  };
  for (;;) {
    const bool world_due = due(world_);
    const bool program_due = program_too && due(program_);
    if (!world_due && !program_due) return;
    Queue& queue = world_due && program_due
                       ? (program_.begin()->first < world_.begin()->first ? program_ : world_)
                       : (world_due ? world_ : program_);
    const auto first = queue.begin();
    Task task = std::move(first->second);
    index_.erase(first->first.id);
    queue.erase(first);
    lock.unlock();
    task();
    lock.lock();
  }
}

double BasicEventLoop::NextMoment(bool program_too) const {
  double next = kForever;
  if (!world_.empty()) next = world_.begin()->first.when;
  if (program_too && !program_.empty()) next = std::min(next, program_.begin()->first.when);
  return next;
}

void BasicEventLoop::DoEvents() {
  Pass(true);
}

void BasicEventLoop::WaitLoop(double deadline, bool program_too) {
  while (time_.Now() < deadline) {
    Pass(program_too);
    std::unique_lock lock(mutex_);
    if (time_.Now() >= deadline) return;
    const double next = NextMoment(program_too);
    if (next <= time_.Now()) continue;  // queued during the pass: take it in the next one
    time_.BlockUntil(std::min(next, deadline), lock, wake_);
  }
}

void BasicEventLoop::WaitUntil(double deadline) {
  WaitLoop(deadline, true);
}

void BasicEventLoop::SleepUntil(double deadline) {
  WaitLoop(deadline, false);
}

void BasicEventLoop::Run(const std::function<bool()>& done) {
  while (!done || !done()) {
    Pass(true);
    if (done && done()) return;
    std::unique_lock lock(mutex_);
    const double next = NextMoment(true);
    if (next <= time_.Now()) continue;
    time_.BlockUntil(next, lock, wake_);
  }
}

}  // namespace jelt::platform
