#include "ui/terminal_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace jelt::ui {

namespace {

// The one piece of state a signal handler may reach: where to write.
std::atomic<int> signal_write_fd{-1};

void OnSignal(int signal) {
  const int saved_errno = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  const int fd = signal_write_fd.load();
  if (fd >= 0) {
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
  }
  errno = saved_errno;
}

}  // namespace

SignalPipe::SignalPipe(std::initializer_list<int> signals) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  read_fd_ = fds[0];
  write_fd_ = fds[1];
  signal_write_fd.store(write_fd_);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : signals) {
    struct sigaction previous {};
    if (::sigaction(signal, &action, &previous) == 0) previous_.emplace_back(signal, previous);
  }
}

SignalPipe::~SignalPipe() {
  for (const auto& [signal, previous] : previous_)
    ::sigaction(signal, &previous, nullptr);
  signal_write_fd.store(-1);
  if (read_fd_ >= 0) ::close(read_fd_);
  if (write_fd_ >= 0) ::close(write_fd_);
}

}  // namespace jelt::ui
