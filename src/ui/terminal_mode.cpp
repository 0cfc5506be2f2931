#include "ui/terminal_mode.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace jelt::ui {

RawTerminal::RawTerminal(int fd) : fd_(fd) {
  termios mode{};
  if (::tcgetattr(fd_, &mode) != 0) return;
  saved_ = mode;
  mode.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INLCR | IGNCR | INPCK | ISTRIP | IXON);
  mode.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN | ISIG);
  mode.c_cflag |= CS8;
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  if (::tcsetattr(fd_, TCSAFLUSH, &mode) != 0) saved_.reset();
}

RawTerminal::~RawTerminal() {
  if (saved_) ::tcsetattr(fd_, TCSAFLUSH, &*saved_);
}

TerminalSize QueryTerminalSize(int fd) {
  winsize size{};
  if (::ioctl(fd, TIOCGWINSZ, &size) != 0 || size.ws_row == 0 || size.ws_col == 0) return {};
  return {size.ws_row, size.ws_col};
}

}  // namespace jelt::ui
