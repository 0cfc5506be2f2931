#include "aolwin/system_report.h"

#include <gtest/gtest.h>

namespace jelt::aolwin {
namespace {

class FixedSystem final : public platform::SystemInfo {
 public:
  std::uint64_t TickCount64() override { return ticks; }
  platform::MemoryStatus GlobalMemoryStatus() override { return memory; }
  void Reboot() override {}

  std::uint64_t ticks = 0;
  platform::MemoryStatus memory;
};

TEST(SystemReportTest, UptimeInHoursAndMinutes) {
  const struct {
    std::uint64_t ticks;
    const char* text;
  } cases[] = {
      {(2 * 3600 + 5 * 60 + 59) * 1000ull, "last boot: 2 hours & 5 mins ago"},
      {59 * 60 * 1000ull + 999, "last boot: 0 hours & 59 mins ago"},
      {3 * 3600 * 1000ull, "last boot: 3 hours & 0 mins ago"},
      // More than 2^32 milliseconds: a 32-bit tick count would have wrapped.
      {60ull * 24 * 3600 * 1000, "last boot: 1440 hours & 0 mins ago"},
  };
  FixedSystem system;
  for (const auto& c : cases) {
    system.ticks = c.ticks;
    EXPECT_EQ(LastBootText(system), c.text);
  }
}

TEST(SystemReportTest, MemoryInMegabytesAsSingles) {
  FixedSystem system;
  system.memory = {256ull << 20, 267'911'168};
  EXPECT_EQ(SingleText(TotalMemoryMb(system)), "256");
  EXPECT_EQ(SingleText(FreeMemoryMb(system)), "255.5");
  system.memory = {16ull << 30, (6ull << 30) + 123'456'789};  // beyond 32-bit byte counts
  EXPECT_EQ(SingleText(TotalMemoryMb(system)), "16384");
  EXPECT_EQ(SingleText(FreeMemoryMb(system)), "6261.74");
}

}  // namespace
}  // namespace jelt::aolwin
