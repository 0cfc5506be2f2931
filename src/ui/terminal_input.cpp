#include "ui/terminal_input.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace jelt::ui {

TerminalInput::TerminalInput(int input_fd, int signal_fd, int error_fd,
                             std::function<std::string()> take_error_text, Handlers handlers)
    : input_fd_(input_fd),
      signal_fd_(signal_fd),
      error_fd_(error_fd),
      take_error_text_(std::move(take_error_text)),
      handlers_(std::move(handlers)) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return;
  stop_read_fd_ = fds[0];
  stop_write_fd_ = fds[1];
  thread_ = std::thread([this] { Loop(); });
}

TerminalInput::~TerminalInput() {
  if (thread_.joinable()) {
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(stop_write_fd_, &byte, 1);
    thread_.join();
  }
  if (stop_read_fd_ >= 0) ::close(stop_read_fd_);
  if (stop_write_fd_ >= 0) ::close(stop_write_fd_);
}

void TerminalInput::Loop() {
  enum { kStop, kInput, kSignal, kError, kCount };
  pollfd fds[kCount] = {{stop_read_fd_, POLLIN, 0},
                        {input_fd_, POLLIN, 0},
                        {signal_fd_, POLLIN, 0},
                        {error_fd_, POLLIN, 0}};
  for (;;) {
    const int timeout_ms = decoder_.Pending() ? kEscapeWait_ms : -1;
    const int ready = ::poll(fds, kCount, timeout_ms);
    if (ready < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[kStop].revents != 0) return;
    if (ready == 0) {
      std::vector<Key> keys;
      decoder_.Flush(keys);
      if (!keys.empty()) handlers_.keys(std::move(keys));
      continue;
    }
    if (fds[kSignal].revents != 0) ReadSignals();
    if (fds[kError].revents != 0) {
      std::string text = take_error_text_();
      if (!text.empty()) {
        handlers_.error_text(std::move(text));
      } else if ((fds[kError].revents & (POLLHUP | POLLERR)) != 0) {
        fds[kError].fd = -1;
      }
    }
    if (fds[kInput].revents != 0 && !ReadKeys()) {
      fds[kInput].fd = -1;
      handlers_.input_closed();
    }
  }
}

void TerminalInput::ReadSignals() {
  unsigned char bytes[64];
  const ssize_t count = ::read(signal_fd_, bytes, sizeof bytes);
  if (count > 0) handlers_.signals(std::vector<int>(bytes, bytes + count));
}

bool TerminalInput::ReadKeys() {
  char buffer[256];
  const ssize_t count = ::read(input_fd_, buffer, sizeof buffer);
  if (count < 0) return errno == EINTR || errno == EAGAIN;
  if (count == 0) return false;
  std::vector<Key> keys;
  decoder_.Feed(std::string_view(buffer, static_cast<std::size_t>(count)), keys);
  if (!keys.empty()) handlers_.keys(std::move(keys));
  return true;
}

}  // namespace jelt::ui
