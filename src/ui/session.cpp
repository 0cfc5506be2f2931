#include "ui/session.h"

namespace jelt::ui {

namespace {

// Marks a step as running for as long as it runs, however it ends.
class StepFlag {
 public:
  explicit StepFlag(bool& flag) : flag_(flag) { flag_ = true; }
  StepFlag(const StepFlag&) = delete;
  StepFlag& operator=(const StepFlag&) = delete;
  ~StepFlag() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

Session::Session(sim::World& world, const app::Ports& ports) : world_(world), ports_(ports) {}

Session::Session(sim::World& world, platform::UiHost& ui)
    : Session(world, app::Ports{world.desktop, world.loop, world.clock, world.profile, world.system,
                                world.sound, ui, world.process, world.random,
                                [&world] { return world.MakeMediaEngine(); }}) {}

Session::~Session() {
  TearDown();
}

void Session::Run(const std::function<void()>& step) {
  if (running_step_) {
    step();
    return;
  }
  try {
    const StepFlag flag(running_step_);
    step();
  } catch (const platform::ProgramEnded&) {
    const bool restart = world_.process.TakeCopyRequest();
    TearDown();
    if (on_event) on_event(restart ? "[restart]" : "[exit]");
    if (restart) StartProgram();
  }
}

void Session::StartProgram() {
  Run([this] {
    TearDown();
    program_ = std::make_unique<app::Program>(ports_);
    program_->Start();
  });
}

void Session::Wait(double seconds) {
  const double deadline = world_.loop.Now() + seconds;
  while (world_.loop.Now() < deadline) {
    Run([&] { world_.loop.WaitUntil(deadline); });
  }
}

void Session::TearDown() {
  program_.reset();
  world_.loop.DropProgramEvents();
}

}  // namespace jelt::ui
