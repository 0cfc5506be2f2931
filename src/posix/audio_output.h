// A libout123 output for 16-bit PCM: the system's sound device, or libout123's "dummy"
// driver, which takes every sample at once and plays nothing. Where no sound device can be
// opened the default falls back to the dummy and says so once on standard error. One
// thread uses an output at a time.
#pragma once

#include <span>
#include <string>

struct out123_struct;

namespace jelt::posix {

enum class OutputDriver {
  kDefault,  // the sound server or device, else the dummy
  kDummy,    // the dummy, as tests and benchmarks ask for
};

class AudioOutput {
 public:
  // `say_fallback` off keeps a fallback to the dummy quiet, for sounds that are not worth
  // a word.
  explicit AudioOutput(OutputDriver driver, bool say_fallback = true);
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;
  ~AudioOutput();

  // The driver in use, such as "pulse" or "dummy"; empty when not even the dummy opened.
  const std::string& DriverName() const { return driver_name_; }
  // Whether playing blocks until the device has room. The dummy does not, nor does an
  // output that failed to start: who feeds them must keep time himself.
  bool PacesItself() const { return rate_ != 0 && driver_name_ != "dummy"; }

  // Prepares for a format (interleaved signed 16-bit samples). Starting again with the
  // format already started costs nothing. False when the device refuses even after
  // falling back to the dummy.
  bool Start(long rate, int channels);
  // Hands samples over; blocks while a sound device's buffer is full. The buffer may be
  // changed in place (libout123 mutes and swaps bytes there).
  void Play(std::span<unsigned char> samples);
  // Discards what the device holds and has not played yet.
  void Drop();
  // Waits until the device has played what it holds.
  void Drain();
  // Lets the device rest while nothing is to be played; the next Play wakes it.
  void Pause();

 private:
  bool OpenDriver(const char* name);
  bool OpenDefault();
  void FallBackToDummy(const std::string& why);
  void Close();

  out123_struct* handle_ = nullptr;
  std::string driver_name_;
  long rate_ = 0;
  int channels_ = 0;
  bool fallback_said_;
};

}  // namespace jelt::posix
