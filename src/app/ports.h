// The world a copy of the program runs in: every port it uses, owned by its host.
#pragma once

#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/process.h"
#include "platform/profile_store.h"
#include "platform/sound.h"
#include "platform/system_info.h"
#include "platform/ui_host.h"
#include "platform/window_system.h"

namespace jelt::app {

struct Ports {
  platform::WindowSystem& windows;
  platform::EventLoop& loop;
  platform::Clock& clock;
  platform::ProfileStore& profile;
  platform::SystemInfo& system;
  platform::Sound& sound;
  platform::UiHost& ui;
  platform::Process& process;
};

}  // namespace jelt::app
