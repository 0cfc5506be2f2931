#include "posix/linux_system_info.h"

#include <sys/sysinfo.h>
#include <time.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace jelt::posix {

namespace {

// The figure after "KEY:" on its own line of /proc/meminfo, in kB.
std::optional<std::uint64_t> MemInfoKilobytes(std::string_view text, std::string_view key) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (!line.starts_with(key) || line.substr(key.size(), 1) != ":") continue;
    line.remove_prefix(key.size() + 1);
    const std::size_t digits = line.find_first_not_of(' ');
    if (digits == std::string_view::npos) return std::nullopt;
    std::uint64_t value = 0;
    const char* first = line.data() + digits;
    const auto [stop, error] = std::from_chars(first, line.data() + line.size(), value);
    if (error != std::errc() || stop == first) return std::nullopt;
    return value;
  }
  return std::nullopt;
}

std::optional<platform::MemoryStatus> FromSysinfo() {
  struct sysinfo info {};
  if (::sysinfo(&info) != 0) return std::nullopt;
  const std::uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
  return platform::MemoryStatus{static_cast<std::uint64_t>(info.totalram) * unit,
                                static_cast<std::uint64_t>(info.freeram) * unit};
}

}  // namespace

std::optional<platform::MemoryStatus> ParseMemInfo(std::string_view text) {
  const auto total_kb = MemInfoKilobytes(text, "MemTotal");
  const auto available_kb = MemInfoKilobytes(text, "MemAvailable");
  if (!total_kb || !available_kb) return std::nullopt;
  return platform::MemoryStatus{*total_kb * 1024, *available_kb * 1024};
}

std::uint64_t LinuxSystemInfo::TickCount64() {
  timespec now{};
  if (::clock_gettime(CLOCK_BOOTTIME, &now) != 0) ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000 +
         static_cast<std::uint64_t>(now.tv_nsec) / 1000000;
}

platform::MemoryStatus LinuxSystemInfo::GlobalMemoryStatus() {
  std::ifstream file("/proc/meminfo");
  std::ostringstream text;
  text << file.rdbuf();
  if (const auto status = ParseMemInfo(text.str())) return *status;
  return FromSysinfo().value_or(platform::MemoryStatus{});
}

void LinuxSystemInfo::Reboot() {
  std::fputs("jelt: a restart of the computer was asked for; this build does not restart it\n",
             stderr);
}

}  // namespace jelt::posix
