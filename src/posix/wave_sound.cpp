#include "posix/wave_sound.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace jelt::posix {

namespace {

constexpr std::size_t kChunkBytes = 4096;

struct Wave {
  long rate = 0;
  int channels = 0;
  std::vector<unsigned char> samples;  // signed 16-bit, interleaved
};

std::uint32_t Little(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

// The RIFF chunks of a plain PCM wave file: "fmt " with the format, "data" with the samples.
std::optional<Wave> ParseWave(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  int bits = 0;
  Wave wave;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const std::size_t size = std::min<std::size_t>(Little(bytes, at + 4, 4), bytes.size() - at - 8);
    const std::size_t body = at + 8;
    if (id == "fmt " && size >= 16) {
      if (Little(bytes, body, 2) != 1) return std::nullopt;  // not PCM
      wave.channels = static_cast<int>(Little(bytes, body + 2, 2));
      wave.rate = static_cast<long>(Little(bytes, body + 4, 4));
      bits = static_cast<int>(Little(bytes, body + 14, 2));
    } else if (id == "data" && bits != 0) {
      if (bits == 16) {
        wave.samples.assign(bytes.begin() + body, bytes.begin() + body + size / 2 * 2);
      } else if (bits == 8) {
        // Unsigned 8-bit samples widened to the signed 16-bit ones the output takes.
        wave.samples.reserve(size * 2);
        for (std::size_t i = 0; i < size; ++i) {
          const int sample = (static_cast<unsigned char>(bytes[body + i]) - 128) * 256;
          wave.samples.push_back(static_cast<unsigned char>(sample & 0xFF));
          wave.samples.push_back(static_cast<unsigned char>(sample >> 8 & 0xFF));
        }
      }
      break;
    }
    at = body + size + size % 2;
  }
  const bool playable = (bits == 8 || bits == 16) && (wave.channels == 1 || wave.channels == 2) &&
                        wave.rate > 0 && !wave.samples.empty();
  if (!playable) return std::nullopt;
  return wave;
}

}  // namespace

void WaveSound::PlayWave(const std::string& path) {
  StopPlaying();
  stop_ = false;
  player_ = std::thread([this, path] { PlayFile(path); });
}

void WaveSound::StopPlaying() {
  stop_ = true;
  if (player_.joinable()) player_.join();
}

void WaveSound::PlayFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::optional<Wave> wave =
      ParseWave({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
  if (!wave) return;
  AudioOutput output(driver_, /*say_fallback=*/false);
  if (!output.Start(wave->rate, wave->channels)) return;
  const std::size_t frame_bytes = 2 * static_cast<std::size_t>(wave->channels);
  const std::size_t chunk_bytes = kChunkBytes / frame_bytes * frame_bytes;
  for (std::size_t at = 0; at < wave->samples.size(); at += chunk_bytes) {
    if (stop_) {
      output.Drop();
      return;
    }
    const std::size_t bytes = std::min(chunk_bytes, wave->samples.size() - at);
    output.Play({wave->samples.data() + at, bytes});
  }
  output.Drain();
}

}  // namespace jelt::posix
