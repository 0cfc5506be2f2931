#include "sim/virtual_clock.h"

#include <cmath>

namespace jelt::sim {

namespace {

// Days since 1970-01-01 of a civil date, and back (the proleptic Gregorian calendar).
long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

}  // namespace

VirtualClock::VirtualClock(platform::LocalTime start)
    : start_days_(DaysFromCivil(start.year, start.month, start.day)),
      start_seconds_(start.SecondsSinceMidnight()) {}

void VirtualClock::BlockUntil(double moment, std::unique_lock<std::mutex>&,
                              std::condition_variable&) {
  if (moment > now_ && std::isfinite(moment)) now_ = moment;
}

platform::LocalTime VirtualClock::Local() const {
  const double total = start_seconds_ + now_;
  const long long whole_ms = static_cast<long long>(std::floor(total * 1000.0));
  const long long days = whole_ms / 86'400'000;
  long long ms = whole_ms % 86'400'000;
  platform::LocalTime t;
  CivilFromDays(start_days_ + days, t.year, t.month, t.day);
  t.hour = static_cast<int>(ms / 3'600'000);
  ms %= 3'600'000;
  t.minute = static_cast<int>(ms / 60'000);
  ms %= 60'000;
  t.second = static_cast<int>(ms / 1000);
  t.millisecond = static_cast<int>(ms % 1000);
  return t;
}

}  // namespace jelt::sim
