#include "aolwin/system_report.h"

#include <charconv>
#include <cmath>

#include "aolwin/reply_style.h"

namespace jelt::aolwin {

namespace {

struct Uptime {
  std::uint64_t hours;
  std::uint64_t minutes;
};

Uptime UptimeOf(platform::SystemInfo& system) {
  const std::uint64_t seconds = system.TickCount64() / 1000;
  const std::uint64_t hours = seconds / 3600;
  return {hours, (seconds - hours * 3600) / 60};
}

// Megabytes rounded to two decimals (halves away from zero), then held as a single.
float Megabytes(std::uint64_t bytes) {
  const double mb = static_cast<double>(bytes) / 1024.0 / 1024.0;
  return static_cast<float>(std::round(mb * 100.0) / 100.0);
}

}  // namespace

std::string LastBootReply(platform::SystemInfo& system, Client& client) {
  const Uptime up = UptimeOf(system);
  const std::string text = "last boot: " + std::string(kAccent) + std::to_string(up.hours) + " " +
                           std::string(kBase) + "hrs and " + std::string(kAccent) +
                           std::to_string(up.minutes) + std::string(kBase) + " mins ago";
  client.SendChatLine(std::string(kFixedOpening) + " " + text);
  return text;
}

std::string LastBootText(platform::SystemInfo& system) {
  const Uptime up = UptimeOf(system);
  return "last boot: " + std::to_string(up.hours) + " hours & " + std::to_string(up.minutes) +
         " mins ago";
}

float TotalMemoryMb(platform::SystemInfo& system) {
  return Megabytes(system.GlobalMemoryStatus().total_physical_bytes);
}

float FreeMemoryMb(platform::SystemInfo& system) {
  return Megabytes(system.GlobalMemoryStatus().available_physical_bytes);
}

std::string SingleText(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace jelt::aolwin
