// The ignore control (ZubXer1): asks the client to ignore a person in the chat room, or to
// stop, and raises one of two events after each call.
//
// It drives the client's own ignore: it finds the person in the room's people list (read
// out of the client's memory), opens his member window with a double click, sets or clears
// the window's "Ignore Member" check box and closes the window again.
#pragma once

#include <functional>
#include <string>

#include "aolwin/client.h"

namespace jelt::chat {

class IgnoreControl {
 public:
  // How long the client may take to open the member window.
  static constexpr double kMemberWindowWait_s = 5.0;

  explicit IgnoreControl(aolwin::Client& client) : client_(client) {}

  void IgnoreSN(const std::string& screen_name);
  void UnIgnoreSN(const std::string& screen_name);

  // After a call: the screen name as it was passed, or (for the errors) a code that the
  // handlers do not use.
  std::function<void(const std::string& screen_name)> ChatIgnoreSN;
  std::function<void(int code)> ChatIgnoreError;
  std::function<void(const std::string& screen_name)> ChatUnIgnoreSN;
  std::function<void(int code)> ChatUnIgnoreError;

 private:
  // Whether the client now ignores (or no longer ignores) the person.
  bool SetIgnored(const std::string& screen_name, bool ignored);
  platform::Hwnd WaitForMemberWindow(const std::string& normalized_name);

  aolwin::Client& client_;
};

}  // namespace jelt::chat
