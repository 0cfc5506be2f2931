// The program's one random generator: a fixed algorithm (xoshiro256**, seeded through
// splitmix64) and its own conversion to a fraction, so that a seed gives the same draws
// with every compiler and standard library.
#pragma once

#include <cstdint>

namespace jelt::platform {

class Random {
 public:
  explicit Random(std::uint64_t seed) { Seed(seed); }

  void Seed(std::uint64_t seed);
  std::uint64_t Next();
  // A fraction in [0, 1), from the top 53 bits of the next draw.
  double NextFraction() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // A whole number in [0, n): the whole part of n times the next fraction; 0 when n <= 0.
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(n * NextFraction()); }

 private:
  std::uint64_t state_[4] = {};
};

}  // namespace jelt::platform
