// How the main window shows a time in seconds: minutes from the rounded time, seconds from
// the unrounded one, each as at least two digits. Because the two come from different
// values the seconds can fall outside 0 .. 59: a length of 59.6 s shows as "01:-00".
#pragma once

#include <string>

namespace jelt::player {

// The two parts of the rule: whole minutes of the rounded time, and the seconds left of
// the unrounded one.
struct TimeParts {
  double minutes;
  double seconds;
};
TimeParts SplitTime(double seconds);

std::string TimeText(double seconds);

}  // namespace jelt::player
