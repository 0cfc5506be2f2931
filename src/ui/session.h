// Runs copies of the program on a simulated desktop: starts one, lets time pass, and when a
// copy ends (it throws platform::ProgramEnded out of whatever it was doing) tears it down
// and, when it asked for a new copy of itself, starts that one.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/program.h"
#include "sim/world.h"

namespace jelt::ui {

class Session {
 public:
  // The ports the copies run on; the world's own unless the host gives others (the
  // terminal front-end gives the real clock, system facts and sound).
  Session(sim::World& world, const app::Ports& ports);
  Session(sim::World& world, platform::UiHost& ui);
  ~Session();

  // "[exit]" when a copy ends, "[restart]" when it starts a new copy of itself.
  std::function<void(const std::string& event)> on_event;

  void StartProgram();
  // Lets the world's time pass, handling everything due, for this many seconds.
  void Wait(double seconds);
  // Runs a piece of the program (a click, say) with its end handled. A step run inside
  // another one (a key that comes while the program waits) leaves the end to the outer
  // step, whose part of the program is still on the stack and must unwind first.
  void Run(const std::function<void()>& step);

  bool ProgramRunning() const { return program_ != nullptr; }
  // The ports of the copies to come.
  app::Ports& Ports() { return ports_; }
  app::Program* CurrentProgram() { return program_.get(); }

 private:
  void TearDown();

  sim::World& world_;
  app::Ports ports_;
  std::unique_ptr<app::Program> program_;
  bool running_step_ = false;
};

}  // namespace jelt::ui
