// Signals turned into bytes on a pipe, so that the thread that reads the keyboard also
// hears of a request to stop (SIGINT, SIGTERM, SIGHUP, SIGQUIT) and of a change of the
// terminal's size (SIGWINCH), and the program can act on them at a safe point: restore
// the terminal and leave. The handler does nothing but write the signal's number.
#pragma once

#include <csignal>
#include <initializer_list>
#include <utility>
#include <vector>

namespace jelt::ui {

class SignalPipe {
 public:
  // One at a time: the handler knows a single pipe.
  explicit SignalPipe(std::initializer_list<int> signals);
  SignalPipe(const SignalPipe&) = delete;
  SignalPipe& operator=(const SignalPipe&) = delete;
  // Puts the handlers that were there before back.
  ~SignalPipe();

  // Readable when a signal came; each byte read from it is the number of one.
  int ReadFd() const { return read_fd_; }

 private:
  int read_fd_ = -1;
  int write_fd_ = -1;
  std::vector<std::pair<int, struct sigaction>> previous_;
};

}  // namespace jelt::ui
