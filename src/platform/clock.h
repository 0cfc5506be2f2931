// Time: monotonic seconds for waits, and the local date and time of day for replies and
// for seeding.
#pragma once

#include <string>

namespace jelt::platform {

struct LocalTime {
  int year = 2001;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  double SecondsSinceMidnight() const {
    return hour * 3600.0 + minute * 60.0 + second + millisecond / 1000.0;
  }
};

class Clock {
 public:
  virtual ~Clock() = default;

  virtual double Monotonic() const = 0;
  virtual LocalTime Local() const = 0;
  // The time of day in the system's standard time format, such as "9:05:32 PM".
  virtual std::string TimeText() const = 0;
  // The date in the system's short date format, such as "10/23/2001".
  virtual std::string DateText() const = 0;
};

// The forms used where the system gives none: "9:05:32 PM" and "10/23/2001".
std::string UsTimeText(const LocalTime& t);
std::string UsDateText(const LocalTime& t);

}  // namespace jelt::platform
