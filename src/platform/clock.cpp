#include "platform/clock.h"

#include <cstdio>

namespace jelt::platform {

std::string UsTimeText(const LocalTime& t) {
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, t.minute, t.second,
                t.hour < 12 ? "AM" : "PM");
  return text;
}

std::string UsDateText(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d/%04d", t.month, t.day, t.year);
  return text;
}

}  // namespace jelt::platform
