// The simulated world: virtual time, the desktop, the chat client with the member signed
// on and in a room, and the small ports. Everything a copy of the program needs but the
// window toolkit's view, which the host adds.
#pragma once

#include <memory>
#include <string>

#include "platform/ini_profile_store.h"
#include "platform/media_engine.h"
#include "platform/random.h"
#include "sim/aol_client.h"
#include "sim/desktop.h"
#include "sim/sim_ports.h"
#include "sim/virtual_clock.h"

namespace jelt::sim {

struct WorldOptions {
  // The program's directory: its settings file, start sound and (here) the per-user store.
  std::string home;
  std::string member = "JoeBloggs";
  std::string room = "Lobby 12";
  platform::LocalTime start{2001, 10, 23, 21, 5, 0, 0};
  double uptime_s = 0;
  // Seeds the program's random generator.
  std::uint64_t seed = 1;
};

class World {
 public:
  // A world in virtual time, starting at options.start.
  explicit World(const WorldOptions& options);
  // A world on another clock (the terminal front-end runs on the real one).
  World(const WorldOptions& options, platform::Clock& clock, platform::TimeSource& time);

  const WorldOptions& Options() const { return options_; }

 private:
  World(const WorldOptions& options, VirtualClock* owned_clock);
  World(const WorldOptions& options, platform::Clock& clock, platform::TimeSource& time,
        std::unique_ptr<VirtualClock> owned_clock);

  std::unique_ptr<VirtualClock> virtual_clock_;

 public:
  platform::Clock& clock;
  platform::BasicEventLoop loop;
  Desktop desktop{loop};
  // The program under test; the window system's calls are made on its behalf.
  const Dword program_process;
  AolClient client;
  SimSystemInfo system{loop, 0};
  SimSound sound;
  SimProcess process;
  platform::IniProfileStore profile;
  platform::Random random;

  // A simulated media player control for a copy of the program; what it is asked to do
  // goes to on_media_record.
  std::unique_ptr<platform::MediaEngine> MakeMediaEngine();
  std::function<void(const std::string& event)> on_media_record;

 private:
  WorldOptions options_;
};

// Where the simulated world keeps the per-user settings store: inside the program directory.
std::string ProfileStorePath(const std::string& home);

}  // namespace jelt::sim
