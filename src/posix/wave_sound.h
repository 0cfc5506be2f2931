// The start sound on Linux: a PCM wave file (8- or 16-bit, mono or stereo) played through
// libout123 on a thread of its own. PlayWave returns at once; a file that cannot be
// played is skipped without a word, and a new call stops the sound still playing.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "platform/sound.h"
#include "posix/audio_output.h"

namespace jelt::posix {

class WaveSound final : public platform::Sound {
 public:
  explicit WaveSound(OutputDriver driver = OutputDriver::kDefault) : driver_(driver) {}
  WaveSound(const WaveSound&) = delete;
  WaveSound& operator=(const WaveSound&) = delete;
  ~WaveSound() override { StopPlaying(); }

  void PlayWave(const std::string& path) override;

 private:
  void StopPlaying();
  void PlayFile(const std::string& path);

  const OutputDriver driver_;
  std::atomic<bool> stop_{false};
  std::thread player_;
};

}  // namespace jelt::posix
