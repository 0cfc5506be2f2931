#include "posix/wave_sound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/temp_dir.h"

namespace jelt::test {
namespace {

std::string Little(std::uint32_t value, int width) {
  std::string bytes;
  for (int i = 0; i < width; ++i)
    bytes.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
  return bytes;
}

std::string Wave(int channels, int bits, std::size_t data_bytes, int format = 1) {
  const int rate = 22050;
  const int block = channels * bits / 8;
  const std::string fmt = Little(format, 2) + Little(channels, 2) + Little(rate, 4) +
                          Little(rate * block, 4) + Little(block, 2) + Little(bits, 2);
  const std::string body = "WAVE" + std::string("fmt ") + Little(16, 4) + fmt + "data" +
                           Little(static_cast<std::uint32_t>(data_bytes), 4) +
                           std::string(data_bytes, '\x40');
  return "RIFF" + Little(static_cast<std::uint32_t>(body.size()), 4) + body;
}

// Each file is played or skipped; a call while another sound plays replaces it, and the
// object stops its thread when it goes. Faults here show as a crash or a sanitizer report.
TEST(WaveSound, PlaysOrSkipsEachFileAndReplacesTheSoundStillPlaying) {
  const TempDir dir;
  const std::string files[] = {
      dir.Write("stereo16.wav", Wave(2, 16, 22050 * 4 / 5)),
      dir.Write("mono8.wav", Wave(1, 8, 22050 / 5)),
      dir.Write("float.wav", Wave(1, 32, 4000, 3)),
      dir.Write("cut.wav", Wave(2, 16, 4000).substr(0, 30)),
      dir.Write("notes.wav", "not a sound at all"),
      dir / "missing.wav",
  };
  posix::WaveSound sound(posix::OutputDriver::kDummy);
  for (const std::string& path : files)
    sound.PlayWave(path);
  sound.PlayWave(files[0]);
}

}  // namespace
}  // namespace jelt::test
