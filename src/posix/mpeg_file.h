// An MPEG audio file opened for decoding with libmpg123: 16-bit stereo at the file's own
// rate, its length measured once when it opens. The probe and the real engine both measure
// through this class, so the length that the simulated desktop uses is the one that the
// real engine reports and plays to.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct mpg123_handle_struct;

namespace jelt::posix {

class MpegFile {
 public:
  static constexpr int kChannels = 2;
  static constexpr int kBytesPerFrame = kChannels * 2;  // one sample of each channel

  // Null when the file cannot be read, is not MPEG audio, or holds no samples.
  static std::unique_ptr<MpegFile> Open(const std::string& path);

  MpegFile(const MpegFile&) = delete;
  MpegFile& operator=(const MpegFile&) = delete;
  ~MpegFile();

  long Rate() const { return rate_; }
  std::int64_t LengthSamples() const { return length_samples_; }
  double DurationSeconds() const { return static_cast<double>(length_samples_) / rate_; }

  // The next decoded MPEG frame as interleaved 16-bit samples, valid until the next call;
  // empty at the end of the file (or at a fault that ends it).
  std::span<unsigned char> DecodeFrame();
  // Moves to a sample (PCM frame) from the start; false when the decoder refuses.
  bool SeekSample(std::int64_t sample);
  // Linear gain applied by the decoder from the next frame on.
  void SetGain(double gain);

 private:
  class Reader;
  struct HandleDeleter {
    void operator()(mpg123_handle_struct* handle) const;
  };

  MpegFile(std::unique_ptr<Reader> reader,
           std::unique_ptr<mpg123_handle_struct, HandleDeleter> handle);
  bool Prepare();

  // The reader outlives the decoder handle that reads through it.
  std::unique_ptr<Reader> reader_;
  std::unique_ptr<mpg123_handle_struct, HandleDeleter> handle_;
  long rate_ = 0;
  std::int64_t length_samples_ = 0;
};

}  // namespace jelt::posix
