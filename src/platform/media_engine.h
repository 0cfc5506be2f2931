// The media player control. Open starts the file at once and replaces whatever was open;
// Stop keeps the file open so that Play can start it again. Events reach the
// user-interface thread through the event loop, never from another thread.
#pragma once

#include <functional>
#include <string>

namespace jelt::platform {

class MediaEngine {
 public:
  // PlayState values the callers test.
  static constexpr int kStopped = 0;
  static constexpr int kPaused = 1;
  static constexpr int kPlaying = 2;

  virtual ~MediaEngine() = default;

  // Loads the file at the full path and starts it. A file that cannot be opened is not an
  // error: nothing plays, Duration is 0. OpenStateChange follows every Open; the old file
  // gets no EndOfStream.
  virtual void Open(const std::string& path) = 0;
  // Resumes a paused file; starts a stopped one again from its beginning.
  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;
  virtual int PlayState() const = 0;

  // Seconds from the start of the file.
  virtual double CurrentPosition() const = 0;
  // Seeks. A position outside 0 .. Duration is refused: false, and nothing changes.
  virtual bool SetCurrentPosition(double seconds) = 0;
  // Length of the open file in seconds; 0 when nothing is open.
  virtual double Duration() const = 0;

  // Hundredths of a decibel; 0 is loudest, callers write -2500 .. 0.
  virtual int Volume() const = 0;
  virtual void SetVolume(int hundredths_db) = 0;
  virtual bool Mute() const = 0;
  virtual void SetMute(bool mute) = 0;
  // 0 repeats the open file without end (and without EndOfStream); 1 plays it once.
  virtual int PlayCount() const = 0;
  virtual void SetPlayCount(int count) = 0;

  // The open file played to its end.
  std::function<void()> on_end_of_stream;
  // The open state changed, as after every Open.
  std::function<void()> on_open_state_change;
};

}  // namespace jelt::platform
