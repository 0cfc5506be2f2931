// Facts about the computer from the Linux kernel: the time since it started and its
// physical memory.
#pragma once

#include <optional>
#include <string_view>

#include "platform/system_info.h"

namespace jelt::posix {

class LinuxSystemInfo final : public platform::SystemInfo {
 public:
  // The kernel's boot-time clock, which counts on while the computer is suspended.
  std::uint64_t TickCount64() override;
  // MemTotal and MemAvailable of /proc/meminfo; where that cannot be read, the totals of
  // sysinfo(2), with free memory for available.
  platform::MemoryStatus GlobalMemoryStatus() override;
  // Only says on standard error that a restart was asked for. Restarting a developer's
  // machine from a chat line is not what this build is for; the Windows build calls the
  // system's own restart.
  void Reboot() override;
};

// MemTotal and MemAvailable (in kB in the text) as bytes; nullopt when either is missing.
std::optional<platform::MemoryStatus> ParseMemInfo(std::string_view text);

}  // namespace jelt::posix
