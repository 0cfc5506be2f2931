#include "player/time_display.h"

#include <cmath>
#include <cstdio>

#include "platform/number.h"

namespace jelt::player {

namespace {

// The pattern "0#": rounded (halves away from zero), at least two digits, the sign kept
// for a negative value even when it rounds to nothing.
std::string TwoDigits(double value) {
  const long long whole = std::llround(std::fabs(value));
  char text[32];
  std::snprintf(text, sizeof text, "%s%02lld", value < 0 ? "-" : "", whole);
  return text;
}

}  // namespace

TimeParts SplitTime(double seconds) {
  const double minutes = std::floor(platform::RoundHalfEven(seconds) / 60.0);
  return {minutes, seconds - 60.0 * minutes};
}

std::string TimeText(double seconds) {
  const TimeParts parts = SplitTime(seconds);
  return TwoDigits(parts.minutes) + ":" + TwoDigits(parts.seconds);
}

}  // namespace jelt::player
