#include "sim/world.h"

#include "platform/paths.h"
#include "sim/sim_media_engine.h"

namespace jelt::sim {

std::string ProfileStorePath(const std::string& home) {
  return platform::JoinPath(home, "user-settings.ini");
}

World::World(const WorldOptions& options) : World(options, new VirtualClock(options.start)) {}

World::World(const WorldOptions& options, VirtualClock* owned_clock)
    : World(options, *owned_clock, *owned_clock, std::unique_ptr<VirtualClock>(owned_clock)) {}

World::World(const WorldOptions& options, platform::Clock& clock, platform::TimeSource& time)
    : World(options, clock, time, nullptr) {}

World::World(const WorldOptions& options, platform::Clock& clock_, platform::TimeSource& time,
             std::unique_ptr<VirtualClock> owned_clock)
    : virtual_clock_(std::move(owned_clock)),
      clock(clock_),
      loop(time),
      program_process(desktop.StartProcess("jelt")),
      client(desktop, loop, options.member),
      system(loop, options.uptime_s),
      process(options.home),
      profile(ProfileStorePath(options.home)),
      random(options.seed),
      options_(options) {
  desktop.SetCaller(program_process);
  client.OpenRoom(options.room, {});
}

std::unique_ptr<platform::MediaEngine> World::MakeMediaEngine() {
  auto engine = std::make_unique<SimMediaEngine>(loop);
  engine->on_record = [this](const std::string& event) {
    if (on_media_record) on_media_record(event);
  };
  return engine;
}

}  // namespace jelt::sim
