#include "posix/real_clock.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ctime>
#include <string>

namespace jelt::posix {
namespace {

// Sets LC_TIME for one test and puts the old one back.
class TimeLocale {
 public:
  explicit TimeLocale(const char* name) : old_(std::setlocale(LC_TIME, nullptr)) {
    ok_ = std::setlocale(LC_TIME, name) != nullptr;
  }
  ~TimeLocale() { std::setlocale(LC_TIME, old_.c_str()); }
  bool Ok() const { return ok_; }

 private:
  std::string old_;
  bool ok_ = false;
};

const platform::LocalTime kEvening{2001, 10, 23, 21, 5, 32, 0};
const platform::LocalTime kMorning{2001, 1, 2, 0, 7, 9, 0};

TEST(RealClock, PlainLocalesGiveTheUsForms) {
  for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
    TimeLocale locale(name);
    if (!locale.Ok()) continue;
    EXPECT_EQ(LocaleTimeText(kEvening), "9:05:32 PM") << name;
    EXPECT_EQ(LocaleDateText(kEvening), "10/23/2001") << name;
    EXPECT_EQ(LocaleTimeText(kMorning), "12:07:09 AM") << name;
    EXPECT_EQ(LocaleDateText(kMorning), "1/2/2001") << name;
  }
}

TEST(RealClock, ALocaleOfAPlaceUsesItsOwnFormats) {
  TimeLocale locale("de_DE.UTF-8");
  if (!locale.Ok()) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
  EXPECT_EQ(LocaleTimeText(kEvening), "21:05:32");
  EXPECT_EQ(LocaleDateText(kEvening), "23.10.2001");
}

TEST(RealClock, LocalTimeIsTheSystemsAndMonotonicGoesOn) {
  const RealClock clock;
  const std::time_t now = std::time(nullptr);
  std::tm expected{};
  ::localtime_r(&now, &expected);
  const platform::LocalTime local = clock.Local();
  EXPECT_EQ(local.year, expected.tm_year + 1900);
  EXPECT_EQ(local.month, expected.tm_mon + 1);
  EXPECT_EQ(local.day, expected.tm_mday);
  EXPECT_NEAR(local.SecondsSinceMidnight(),
              expected.tm_hour * 3600.0 + expected.tm_min * 60.0 + expected.tm_sec, 2.0);
  EXPECT_GE(local.millisecond, 0);
  EXPECT_LT(local.millisecond, 1000);
  const double first = clock.Monotonic();
  EXPECT_LE(first, clock.Monotonic());
}

}  // namespace
}  // namespace jelt::posix
