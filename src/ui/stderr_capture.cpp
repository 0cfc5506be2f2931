#include "ui/stderr_capture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jelt::ui {

namespace {

bool SameFile(int a, int b) {
  struct stat first {
  }, second{};
  return ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace

StderrCapture::StderrCapture(int terminal_fd) {
  if (!::isatty(STDERR_FILENO) || !SameFile(STDERR_FILENO, terminal_fd)) return;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return;
  saved_fd_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
  if (saved_fd_ < 0 || ::dup2(fds[1], STDERR_FILENO) < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    if (saved_fd_ >= 0) ::close(saved_fd_);
    saved_fd_ = -1;
    return;
  }
  ::close(fds[1]);
  read_fd_ = fds[0];
  ::fcntl(read_fd_, F_SETFL, ::fcntl(read_fd_, F_GETFL) | O_NONBLOCK);
}

StderrCapture::~StderrCapture() {
  if (saved_fd_ < 0) return;
  // Putting standard error back closes the pipe's last writer, so what is left in it can
  // be read to its end.
  ::dup2(saved_fd_, STDERR_FILENO);
  ::close(saved_fd_);
  const std::string rest = Take();
  for (std::size_t at = 0; at < rest.size();) {
    const ssize_t written = ::write(STDERR_FILENO, rest.data() + at, rest.size() - at);
    if (written <= 0) break;
    at += static_cast<std::size_t>(written);
  }
  ::close(read_fd_);
}

std::string StderrCapture::Take() {
  std::string text;
  if (read_fd_ < 0) return text;
  char buffer[4096];
  for (;;) {
    const ssize_t count = ::read(read_fd_, buffer, sizeof buffer);
    if (count <= 0) break;
    text.append(buffer, static_cast<std::size_t>(count));
  }
  return text;
}

}  // namespace jelt::ui
