// Facts about the computer: time since it started, its memory, and restarting it.
#pragma once

#include <cstdint>

namespace jelt::platform {

struct MemoryStatus {
  std::uint64_t total_physical_bytes = 0;
  std::uint64_t available_physical_bytes = 0;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // Milliseconds since the computer started, as a 64-bit count that does not wrap.
  virtual std::uint64_t TickCount64() = 0;
  virtual MemoryStatus GlobalMemoryStatus() = 0;
  // Restarts the computer at once, without asking.
  virtual void Reboot() = 0;
};

}  // namespace jelt::platform
