#include "posix/real_clock.h"

#include <chrono>
#include <clocale>
#include <ctime>
#include <string_view>

namespace jelt::posix {

namespace {

// Whether the LC_TIME locale is the C locale under one of its names ("C", "POSIX",
// "C.UTF-8", "C.utf8"), whose formats are nobody's in particular.
bool TimeLocaleIsPlain() {
  const char* name = std::setlocale(LC_TIME, nullptr);
  if (name == nullptr) return true;
  const std::string_view locale(name);
  return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

std::tm ToTm(const platform::LocalTime& t) {
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  tm.tm_isdst = -1;
  // strftime's %x may name the weekday in some locales; mktime works it out.
  std::tm normalised = tm;
  if (std::mktime(&normalised) != -1) tm.tm_wday = normalised.tm_wday;
  tm.tm_yday = normalised.tm_yday;
  return tm;
}

std::string Format(const platform::LocalTime& t, const char* format) {
  const std::tm tm = ToTm(t);
  char text[128];
  const std::size_t length = std::strftime(text, sizeof text, format, &tm);
  return std::string(text, length);
}

}  // namespace

std::string LocaleTimeText(const platform::LocalTime& t) {
  if (TimeLocaleIsPlain()) return platform::UsTimeText(t);
  std::string text = Format(t, "%X");
  return text.empty() ? platform::UsTimeText(t) : text;
}

std::string LocaleDateText(const platform::LocalTime& t) {
  if (TimeLocaleIsPlain()) return platform::UsDateText(t);
  std::string text = Format(t, "%x");
  return text.empty() ? platform::UsDateText(t) : text;
}

double RealClock::Monotonic() const {
  const auto since_epoch = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration<double>(since_epoch).count();
}

platform::LocalTime RealClock::Local() const {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm tm{};
  ::localtime_r(&seconds, &tm);
  return {tm.tm_year + 1900,
          tm.tm_mon + 1,
          tm.tm_mday,
          tm.tm_hour,
          tm.tm_min,
          tm.tm_sec,
          static_cast<int>(milliseconds < 0 ? milliseconds + 1000 : milliseconds)};
}

std::string RealClock::TimeText() const {
  return LocaleTimeText(Local());
}

std::string RealClock::DateText() const {
  return LocaleDateText(Local());
}

}  // namespace jelt::posix
