#include "posix/audio_output.h"

#include <out123.h>

#include <filesystem>
#include <iostream>

namespace jelt::posix {

namespace {

constexpr long kProbeRate = 44100;
constexpr int kProbeChannels = 2;
// Small enough that a seek or a pause is heard at once, large enough not to stutter.
constexpr double kDeviceBufferSeconds = 0.2;

// Whether the kernel offers an ALSA playback device. Asking libasound when there is none
// makes it print a page of complaints on standard error, which would scribble over the
// terminal front-end.
bool HasAlsaPlaybackDevice() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/snd", error)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("pcmC") && name.ends_with("p")) return true;
  }
  return false;
}

}  // namespace

AudioOutput::AudioOutput(OutputDriver driver, bool say_fallback) : fallback_said_(!say_fallback) {
  if (driver == OutputDriver::kDummy) {
    OpenDriver("dummy");
  } else if (!OpenDefault()) {
    FallBackToDummy("no sound device could be opened");
  }
}

AudioOutput::~AudioOutput() {
  Close();
}

bool AudioOutput::OpenDriver(const char* name) {
  Close();
  handle_ = out123_new();
  if (handle_ == nullptr) return false;
  out123_param2(handle_, OUT123_FLAGS, OUT123_QUIET, 0, nullptr);
  out123_param2(handle_, OUT123_DEVICEBUFFER, 0, kDeviceBufferSeconds, nullptr);
  if (out123_open(handle_, name, nullptr) != OUT123_OK) {
    Close();
    return false;
  }
  driver_name_ = name;
  return true;
}

// A sound server first, then the sound card itself. A driver that loads without a device
// behind it only shows that when it starts, so each is started once here.
bool AudioOutput::OpenDefault() {
  for (const char* name : {"pulse", "alsa"}) {
    if (std::string(name) == "alsa" && !HasAlsaPlaybackDevice()) continue;
    if (OpenDriver(name) &&
        out123_start(handle_, kProbeRate, kProbeChannels, MPG123_ENC_SIGNED_16) == OUT123_OK) {
      rate_ = kProbeRate;
      channels_ = kProbeChannels;
      return true;
    }
    Close();
  }
  return false;
}

void AudioOutput::FallBackToDummy(const std::string& why) {
  if (!fallback_said_) {
    std::cerr << "jelt: " << why << "; playing without sound (libout123 dummy output)\n";
    fallback_said_ = true;
  }
  OpenDriver("dummy");
}

void AudioOutput::Close() {
  if (handle_ != nullptr) {
    out123_drop(handle_);
    out123_del(handle_);
  }
  handle_ = nullptr;
  driver_name_.clear();
  rate_ = 0;
  channels_ = 0;
}

bool AudioOutput::Start(long rate, int channels) {
  if (handle_ == nullptr) return false;
  if (rate == rate_ && channels == channels_) return true;
  out123_drop(handle_);
  out123_stop(handle_);
  if (out123_start(handle_, rate, channels, MPG123_ENC_SIGNED_16) != OUT123_OK) {
    rate_ = 0;
    if (driver_name_ == "dummy") return false;
    FallBackToDummy("the sound device refused to play");
    if (handle_ == nullptr ||
        out123_start(handle_, rate, channels, MPG123_ENC_SIGNED_16) != OUT123_OK) {
      return false;
    }
  }
  rate_ = rate;
  channels_ = channels;
  return true;
}

void AudioOutput::Play(std::span<unsigned char> samples) {
  if (handle_ != nullptr && rate_ != 0) out123_play(handle_, samples.data(), samples.size());
}

void AudioOutput::Drop() {
  if (handle_ != nullptr) out123_drop(handle_);
}

void AudioOutput::Drain() {
  if (handle_ != nullptr) out123_drain(handle_);
}

void AudioOutput::Pause() {
  if (handle_ != nullptr) out123_pause(handle_);
}

}  // namespace jelt::posix
