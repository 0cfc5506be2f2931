#include "sim/world.h"

#include "platform/paths.h"

namespace jelt::sim {

std::string ProfileStorePath(const std::string& home) {
  return platform::JoinPath(home, "user-settings.ini");
}

World::World(const WorldOptions& options)
    : virtual_clock_(std::make_unique<VirtualClock>(options.start)),
      clock(*virtual_clock_),
      loop(*virtual_clock_),
      program_process(desktop.StartProcess("jelt")),
      client(desktop, loop, options.member),
      system(loop, options.uptime_s),
      process(options.home),
      profile(ProfileStorePath(options.home)),
      options_(options) {
  desktop.SetCaller(program_process);
  client.OpenRoom(options.room, {});
}

World::World(const WorldOptions& options, platform::Clock& clock_, platform::TimeSource& time)
    : clock(clock_),
      loop(time),
      program_process(desktop.StartProcess("jelt")),
      client(desktop, loop, options.member),
      system(loop, options.uptime_s),
      process(options.home),
      profile(ProfileStorePath(options.home)),
      options_(options) {
  desktop.SetCaller(program_process);
  client.OpenRoom(options.room, {});
}

}  // namespace jelt::sim
