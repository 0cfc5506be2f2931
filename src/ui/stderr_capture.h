// While the terminal shows the room, anything written to standard error (a word from the
// sound output, say) would land in the middle of the picture. This takes standard error
// into a pipe for as long as it lives, so that the view can show those lines as notices;
// what is left unread goes to the real standard error when it ends. Standard error that
// is not the terminal (a file, a pipe) is left alone.
#pragma once

#include <string>

namespace jelt::ui {

class StderrCapture {
 public:
  explicit StderrCapture(int terminal_fd);
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;
  ~StderrCapture();

  // Readable when something was written; -1 when nothing is captured.
  int ReadFd() const { return read_fd_; }
  // What was written since the last call.
  std::string Take();

 private:
  int read_fd_ = -1;
  int saved_fd_ = -1;
};

}  // namespace jelt::ui
