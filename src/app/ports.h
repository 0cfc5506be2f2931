// The world a copy of the program runs in: every port it uses, owned by its host.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include "platform/clock.h"

#include "platform/event_loop.h"
#include "platform/media_engine.h"
#include "platform/process.h"
#include "platform/profile_store.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/system_info.h"
#include "platform/ui_host.h"
#include "platform/window_system.h"

namespace jelt::app {

// Each copy of the program has its own media player control.
using MediaEngineMaker = std::function<std::unique_ptr<platform::MediaEngine>()>;

struct Ports {
  platform::WindowSystem& windows;
  platform::EventLoop& loop;
  platform::Clock& clock;
  platform::ProfileStore& profile;
  platform::SystemInfo& system;
  platform::Sound& sound;
  platform::UiHost& ui;
  platform::Process& process;
  platform::Random& random;
  MediaEngineMaker make_media_engine;
  // Told of every file the program wipes and deletes, and of every tag it writes; for the
  // host's record.
  std::function<void(const std::string& path)> on_file_wiped = nullptr;
  std::function<void(const std::string& path)> on_tag_written = nullptr;
};

}  // namespace jelt::app
