// The simulated world's answers to the small ports: the computer's uptime and memory, the
// start sound, and the program's own process. Each records what it was asked to do.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/event_loop.h"
#include "platform/process.h"
#include "platform/sound.h"
#include "platform/system_info.h"

namespace jelt::sim {

// Uptime is scripted: the computer had been up `uptime_s` seconds when the loop's clock
// stood at 0, and counts on from there.
class SimSystemInfo final : public platform::SystemInfo {
 public:
  SimSystemInfo(const platform::EventLoop& loop, double uptime_s)
      : loop_(loop), uptime_s_(uptime_s) {}

  std::uint64_t TickCount64() override;
  platform::MemoryStatus GlobalMemoryStatus() override { return memory_; }
  void Reboot() override;

  void SetMemory(std::uint64_t total_bytes, std::uint64_t available_bytes) {
    memory_ = {total_bytes, available_bytes};
  }
  int Reboots() const { return reboots_; }

 private:
  const platform::EventLoop& loop_;
  double uptime_s_;
  platform::MemoryStatus memory_{256ull << 20, 128ull << 20};
  int reboots_ = 0;
};

class SimSound final : public platform::Sound {
 public:
  void PlayWave(const std::string& path) override {
    if (on_play) on_play(path);
  }
  std::function<void(const std::string& path)> on_play;
};

// The program's process on the simulated desktop. Ending it and starting a copy are told
// to the host, which tears the program down and, for a restart, starts it again.
class SimProcess final : public platform::Process {
 public:
  explicit SimProcess(std::string program_directory) : directory_(std::move(program_directory)) {}

  std::string ProgramDirectory() const override { return directory_; }
  bool StartCopy() override {
    copy_requested_ = true;
    return true;
  }

  // Whether the program asked for a copy of itself before it ended; cleared by the call.
  bool TakeCopyRequest() {
    const bool requested = copy_requested_;
    copy_requested_ = false;
    return requested;
  }

 protected:
  void OnEnd() override {}

 private:
  std::string directory_;
  bool copy_requested_ = false;
};

}  // namespace jelt::sim
