#include "sim/sim_ports.h"

#include <cmath>

namespace jelt::sim {

std::uint64_t SimSystemInfo::TickCount64() {
  return static_cast<std::uint64_t>(std::llround((uptime_s_ + loop_.Now()) * 1000.0));
}

void SimSystemInfo::Reboot() {
  ++reboots_;
}

}  // namespace jelt::sim
