#include "posix/linux_system_info.h"

#include <gtest/gtest.h>
#include <sys/sysinfo.h>

#include <chrono>
#include <thread>

namespace jelt::posix {
namespace {

TEST(LinuxSystemInfo, UptimeAgreesWithTheKernelAndCountsOn) {
  LinuxSystemInfo system;
  struct sysinfo info {};
  ASSERT_EQ(::sysinfo(&info), 0);
  const std::uint64_t first_ms = system.TickCount64();
  // sysinfo's uptime is whole seconds of the same boot-time clock.
  EXPECT_NEAR(static_cast<double>(first_ms) / 1000.0, static_cast<double>(info.uptime), 2.0);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const std::uint64_t second_ms = system.TickCount64();
  EXPECT_GE(second_ms, first_ms + 20);
  EXPECT_LT(second_ms, first_ms + 5000);
}

TEST(LinuxSystemInfo, MemoryIsKnownAndAvailableFitsInTotal) {
  const platform::MemoryStatus status = LinuxSystemInfo().GlobalMemoryStatus();
  EXPECT_GT(status.total_physical_bytes, 16ull << 20);
  EXPECT_GT(status.available_physical_bytes, 0u);
  EXPECT_LE(status.available_physical_bytes, status.total_physical_bytes);
}

TEST(ParseMemInfo, TakesTotalAndAvailableInBytesBeyond4Gb) {
  const auto status = ParseMemInfo(
      "MemTotal:       16303428 kB\n"
      "MemFree:          818560 kB\n"
      "MemAvailable:   10081852 kB\n"
      "Buffers:          500000 kB\n");
  ASSERT_TRUE(status);
  EXPECT_EQ(status->total_physical_bytes, 16303428ull * 1024);
  EXPECT_EQ(status->available_physical_bytes, 10081852ull * 1024);
}

TEST(ParseMemInfo, RefusesTextWithoutBothFigures) {
  for (const char* text :
       {"", "MemTotal: 1000 kB\nMemFree: 10 kB\n", "MemTotalX: 1000 kB\nMemAvailable: 10 kB\n",
        "MemTotal: kB\nMemAvailable: 10 kB\n"}) {
    EXPECT_FALSE(ParseMemInfo(text)) << text;
  }
}

}  // namespace
}  // namespace jelt::posix
