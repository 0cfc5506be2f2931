// jelt: the program on the simulated desktop, in a terminal, on the real clock and with
// the computer's own facts and sound. See README.md for how to use it.
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

#include "platform/ini_profile_store.h"
#include "platform/paths.h"
#include "posix/linux_system_info.h"
#include "posix/real_clock.h"
#include "posix/real_media_engine.h"
#include "posix/real_time_source.h"
#include "posix/user_paths.h"
#include "posix/wave_sound.h"
#include "sim/world.h"
#include "ui/terminal_app.h"

namespace {

using jelt::ui::TerminalApp;

jelt::sim::WorldOptions Options() {
  jelt::sim::WorldOptions options;
  // The settings file and the start sound live beside the program, as they always do.
  options.home = jelt::posix::ExecutableDirectory();
  const char* user = std::getenv("USER");
  options.member = user != nullptr && user[0] != '\0' ? user : "JoeBloggs";
  options.seed =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  return options;
}

std::string ProfilePath() {
  const std::string directory =
      jelt::platform::JoinPath(jelt::posix::UserConfigDirectory(), "jelt");
  return jelt::platform::JoinPath(directory, "user-settings.ini");
}

TerminalApp::Ending RunJelt() {
  jelt::posix::RealClock clock;
  jelt::posix::RealTimeSource time;
  jelt::sim::World world(Options(), clock, time);
  jelt::platform::IniProfileStore profile(ProfilePath());
  jelt::posix::LinuxSystemInfo system;
  jelt::posix::WaveSound sound;
  const TerminalApp::Ending ending = [&] {
    const auto make_media_engine = [&world] {
      return std::make_unique<jelt::posix::RealMediaEngine>(world.loop);
    };
    TerminalApp app(world, {profile, system, sound, make_media_engine}, {"Bob", "Ann Marie"},
                    STDIN_FILENO, STDOUT_FILENO);
    return app.Run();
  }();
  // The client closes its windows while it is still whole, before the world takes the
  // desktop down.
  world.client.Close();
  return ending;
}

}  // namespace

int main() {
  std::setlocale(LC_ALL, "");
  try {
    switch (RunJelt()) {
      case TerminalApp::Ending::kProgramEnded:
        std::cout << "jelt: the program ended.\n";
        break;
      case TerminalApp::Ending::kTerminalGone:
        std::cerr << "jelt: the terminal went away.\n";
        return 1;
      case TerminalApp::Ending::kLeft:
        break;
    }
  } catch (const std::exception& error) {
    std::cerr << "jelt: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
