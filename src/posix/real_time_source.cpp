#include "posix/real_time_source.h"

#include <cmath>

namespace jelt::posix {

double RealTimeSource::Now() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - origin_).count();
}

void RealTimeSource::BlockUntil(double moment, std::unique_lock<std::mutex>& lock,
                                std::condition_variable& wake) {
  if (!std::isfinite(moment)) {
    wake.wait(lock);
    return;
  }
  const auto deadline = origin_ + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                      std::chrono::duration<double>(moment));
  wake.wait_until(lock, deadline);
}

}  // namespace jelt::posix
