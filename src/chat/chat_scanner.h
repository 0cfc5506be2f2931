// The chat scanner: three instances on the main window (Chat1, Chat2, Chat3), each on or
// off by itself, each raising one ChatMsg per new line said in the room while it is on.
// Lines said before an instance's ScanOn are not delivered to it.
//
// The instances share one watch of the room, which reads the transcript every 25 ms while
// any instance is on and queues each new line for every instance on at that moment. A
// handler that waits handles events, so a later line can be delivered inside the handling
// of an earlier one; each instance still receives its lines once and in order.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "aolwin/client.h"
#include "chat/transcript_reader.h"
#include "platform/timer.h"

namespace jelt::chat {

class RoomWatch;

class ChatScanner {
 public:
  using Handler = std::function<void(const std::string& screen_name, const std::string& text)>;

  explicit ChatScanner(RoomWatch& watch);
  ChatScanner(const ChatScanner&) = delete;
  ChatScanner& operator=(const ChatScanner&) = delete;
  ~ChatScanner();

  void ScanOn();
  void ScanOff();
  bool Scanning() const { return on_; }

  // The speaker's screen name (the text before the line's first ":\t") and the line's text.
  Handler ChatMsg;

 private:
  friend class RoomWatch;

  RoomWatch& watch_;
  bool on_ = false;
  std::deque<std::string> queue_;
};

class RoomWatch {
 public:
  static constexpr int kPollInterval_ms = 25;

  RoomWatch(aolwin::Client& client, platform::EventLoop& loop);

 private:
  friend class ChatScanner;

  void Attach(ChatScanner* scanner) { scanners_.push_back(scanner); }
  void Detach(ChatScanner* scanner);
  // An instance is about to go on: what was said until now is not its to hear.
  void BeforeScanOn();
  void AfterScanChange();
  void Poll();
  void Read();
  void Deliver();

  TranscriptReader reader_;
  platform::Timer timer_;
  std::vector<ChatScanner*> scanners_;
};

// Splits a transcript line into speaker and text at its first ":\t"; a line without one
// has no speaker.
std::pair<std::string, std::string> SplitSpeaker(const std::string& line);

}  // namespace jelt::chat
