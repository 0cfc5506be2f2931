#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace jelt::platform {

namespace {

// A symbolic link is followed to the file it names, so that replacing the file keeps the
// link (settings kept in a linked dotfile stay where the link points).
std::string ReplacedPath(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  return error ? path : target.string();
}

// The new contents while they are being written: closed, and removed unless they took the
// old file's place, whichever way the write ends.
class PendingFile {
 public:
  explicit PendingFile(std::string path) : path_(std::move(path)) {
    // A file of this name can only be left over from a process of the same id that died
    // mid-write, so it is nobody's and goes.
    ::unlink(path_.c_str());
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  ~PendingFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(path_.c_str());
  }

  int Fd() const { return fd_; }

  // Makes the written bytes durable and closes the file; false when either step failed.
  bool Finish() {
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return synced && closed;
  }

  bool CommitAs(const std::string& target) {
    committed_ = ::rename(path_.c_str(), target.c_str()) == 0;
    return committed_;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool committed_ = false;
};

// Makes the rename itself durable. Failing here loses nothing that a reader could see, so the
// outcome is not reported.
void SyncDirectoryOf(const std::string& path) {
  const std::string directory = std::filesystem::path(path).parent_path().string();
  const int fd =
      ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> contents;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    contents.emplace();
    contents->reserve(static_cast<std::size_t>(info.st_size));
    char chunk[4096];
    for (;;) {
      const ssize_t n = ::read(fd, chunk, sizeof chunk);
      if (n > 0) {
        contents->append(chunk, static_cast<std::size_t>(n));
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        contents.reset();
        break;
      }
    }
  }
  ::close(fd);
  return contents;
}

bool WriteAllBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool ReplaceWholeFile(const std::string& path, std::string_view contents,
                      WriteBytesFn write_bytes) {
  const std::string target = ReplacedPath(path);
  PendingFile pending(target + ".new-" + std::to_string(::getpid()));
  if (pending.Fd() < 0) return false;
  struct stat old_info {};
  if (::stat(target.c_str(), &old_info) == 0 &&
      ::fchmod(pending.Fd(), old_info.st_mode & 07777) != 0) {
    return false;
  }
  if (!write_bytes(pending.Fd(), contents) || !pending.Finish()) return false;
  if (!pending.CommitAs(target)) return false;
  SyncDirectoryOf(target);
  return true;
}

}  // namespace jelt::platform
