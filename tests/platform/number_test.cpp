#include "platform/number.h"

#include <gtest/gtest.h>

#include "platform/random.h"

namespace jelt::platform {
namespace {

TEST(NumberTest, DecimalNumbersAsTheToolkitReadsThem) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"10", 10},
      {" 5 ", 5},
      {"+2.5", 2.5},
      {"-7", -7},
      {".5", 0.5},
      {"5.", 5},
      {"1e2", 100},
      {"1.5E-1", 0.15},
      {"&H10", 16},
      {"&hff", 255},
      {"&HFFFF", -1},
      {"&H10000", 65536},
      {"&O17", 15},
      {"010", 10},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"10abc", std::nullopt},
      {"loud", std::nullopt},
      {"1e", std::nullopt},
      {"--1", std::nullopt},
      {"&H", std::nullopt},
      {"&HZ", std::nullopt},
      {"1 2", std::nullopt},
      {"1,000", std::nullopt},
      {"inf", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ToDouble(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberTest, WholeNumbersRoundHalvesToEvenWithinSixteenBits) {
  const struct {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"50.5", 50},
      {"51.5", 52},
      {"-0.5", 0},
      {"2.4999", 2},
      {"150", 150},
      {"-5", -5},
      {"32767", 32767},
      {"-32768", -32768},
      {"32767.5", std::nullopt},
      {"40000", std::nullopt},
      {"loud", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ToInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(RandomTest, ASeedGivesTheSameDrawsAndEveryIndexComes) {
  Random a(42);
  Random b(42);
  for (int i = 0; i < 100; ++i)
    EXPECT_EQ(a.Next(), b.Next());
  Random random(7);
  bool drawn[5] = {};
  for (int i = 0; i < 200; ++i) {
    const double fraction = random.NextFraction();
    ASSERT_GE(fraction, 0.0);
    ASSERT_LT(fraction, 1.0);
    drawn[random.Below(5)] = true;
  }
  for (const bool d : drawn)
    EXPECT_TRUE(d);
  EXPECT_EQ(random.Below(1), 0);
  EXPECT_EQ(random.Below(0), 0);
}

}  // namespace
}  // namespace jelt::platform
