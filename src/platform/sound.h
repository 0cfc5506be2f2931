// The start sound: a wave file played asynchronously, without a default sound when it
// cannot be played.
#pragma once

#include <string>

namespace jelt::platform {

class Sound {
 public:
  virtual ~Sound() = default;

  // Starts playing and returns at once.
  virtual void PlayWave(const std::string& path) = 0;
};

}  // namespace jelt::platform
