// The computer's own clock: monotonic seconds from the steady clock, and the local date and
// time of day, written in the user's locale.
#pragma once

#include <string>

#include "platform/clock.h"

namespace jelt::posix {

// Reads the time formats of the locale in force for LC_TIME, so the program must call
// setlocale(LC_ALL, "") at its start for the user's locale to count.
class RealClock final : public platform::Clock {
 public:
  double Monotonic() const override;
  platform::LocalTime Local() const override;
  std::string TimeText() const override;
  std::string DateText() const override;
};

// The time of day ("%X") and the date ("%x") in the formats of the LC_TIME locale. The C
// and POSIX locales have no formats of a place of their own, so those give the forms
// "9:05:32 PM" and "10/23/2001" instead.
std::string LocaleTimeText(const platform::LocalTime& t);
std::string LocaleDateText(const platform::LocalTime& t);

}  // namespace jelt::posix
