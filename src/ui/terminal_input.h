// The thread that waits for the person: it blocks in poll() on the keyboard, the signal
// pipe and the captured standard error, and hands on what came. It never spins; the one
// timed wait is the short one that tells a lone Escape from the start of a sequence.
// The handlers run on this thread: they are to post to the event loop, nothing more.
#pragma once

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ui/terminal_keys.h"

namespace jelt::ui {

class TerminalInput {
 public:
  struct Handlers {
    std::function<void(std::vector<Key> keys)> keys;
    // The signals that came through the signal pipe, in order.
    std::function<void(std::vector<int> signals)> signals;
    // A piece of what was written to standard error.
    std::function<void(std::string text)> error_text;
    // The keyboard is gone (the terminal hung up, or input ended).
    std::function<void()> input_closed;
  };

  // How long to wait for the rest of a sequence after an Escape.
  static constexpr int kEscapeWait_ms = 30;

  // Any fd may be -1 when there is nothing to read from it. `take_error_text` reads the
  // captured standard error when it is readable.
  TerminalInput(int input_fd, int signal_fd, int error_fd,
                std::function<std::string()> take_error_text, Handlers handlers);
  TerminalInput(const TerminalInput&) = delete;
  TerminalInput& operator=(const TerminalInput&) = delete;
  // Stops the thread and waits for it.
  ~TerminalInput();

 private:
  void Loop();
  void ReadSignals();
  // Reads the keyboard; false when it is gone.
  bool ReadKeys();

  const int input_fd_;
  const int signal_fd_;
  const int error_fd_;
  std::function<std::string()> take_error_text_;
  Handlers handlers_;
  int stop_read_fd_ = -1;
  int stop_write_fd_ = -1;
  KeyDecoder decoder_;
  std::thread thread_;
};

}  // namespace jelt::ui
